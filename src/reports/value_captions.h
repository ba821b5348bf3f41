#pragma once

#include "report_page.h"

#include <cstddef>
#include <string>
#include <vector>

namespace payvanta::reports {

// A value field of a page as a reader who cannot see the page meets it: what the page
// says the value is, and the name made of that and the value.
struct CaptionedValue {
    std::size_t item = 0; // index into the page's items
    // The label before it on its row, and where that row caption stands for several
    // values, the headings above its column: "Motor Volts", "Speed 1, Travel DCCP KW".
    // Empty for a value the page gives no caption (the date).
    std::string caption;
    // "Motor Volts: 230"; the caption alone for an empty value, the text alone for one
    // without a caption.
    std::string name;
};

// The page's value fields in reading order: line by line, each line left to right. A
// field that shows nothing and has no caption (the page number on screen) is left out.
std::vector<CaptionedValue> captionedValues(const ReportPage& page);

} // namespace payvanta::reports
