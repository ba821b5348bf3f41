#pragma once

#include "reports/report_page.h"

#include <string>

namespace payvanta::web {

// A report page for the page to draw: its name, caption and size in twips, and every item
// with its control name, kind, text, place, size, alignment and weight.
std::string pageJson(const reports::ReportPage& page);

} // namespace payvanta::web
