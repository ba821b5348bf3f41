#pragma once

#include "report_page.h"

#include <optional>
#include <string_view>
#include <vector>

namespace payvanta::reports {

// An item of a report window's menu bar: its control name, its caption and the print
// command it gives (none for Back, which closes the window).
struct ReportMenuItem {
    std::string_view control;
    std::string_view caption;
    std::optional<ReportPrint> print;
};

// The menu bar of the window showing this page, left to right: Back, then Print (the
// savings summary: Print Old, the form's image, then Print, the page drawn directly).
std::vector<ReportMenuItem> reportMenu(ReportForm form);

} // namespace payvanta::reports
