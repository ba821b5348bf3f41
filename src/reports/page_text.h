#pragma once

#include "report_page.h"

#include <string>

namespace payvanta::reports {

// The page as plain text, for a terminal or an e-mail: each caption and value on the
// line of its top and in the column of its place, right-aligned values ending where
// their box ends. Lines end with a line feed; pictures, rules and buttons are left out. A
// control character in a text is written as its escape (see visibleControls).
std::string pageAsText(const ReportPage& page);

} // namespace payvanta::reports
