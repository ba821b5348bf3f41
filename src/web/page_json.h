#pragma once

#include "reports/print_page.h"
#include "reports/report_page.h"

#include <string>

namespace payvanta::web {

// A report page for the page to draw: its name, caption and size in twips, its menu bar,
// and every item with its control name, kind, text, place, size, alignment and font (the
// screen's, bold or not), whether it takes the print font; the logo and the charts as SVG.
std::string pageJson(const reports::ReportPage& page);

// A printed page: each text, line, frame, logo and chart with its place in twips from the
// top left of the printable area (a text without a top goes below the one before), its
// font, alignment and fit group.
std::string printPageJson(const reports::PrintPage& page);

} // namespace payvanta::web
