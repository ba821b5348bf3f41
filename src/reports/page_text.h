#pragma once

#include "report_page.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::reports {

// A page as plain text, for a terminal or an e-mail, laid out as a grid made from the
// page's own rows and columns. Items whose tops lie less than half a row apart share a
// line. Items whose boxes stand in the same place (edges at most 120 twips apart), on lines
// at most two apart one after the other, make a column, as wide as its widest text: when
// the column holds a right-aligned value, every text in it ends where the column ends (the
// values and their heading), else every text starts where it starts. Columns stand where their
// boxes are, as far as the texts allow, and at least two spaces apart; a centred heading over
// several columns is centred over them. The blank lines of a text of several lines are kept.
// Pictures, rules, buttons and charts are left out.

// One text on its line: the character column it starts at, and its width in columns as a
// terminal shows it.
struct PlacedText {
    const ReportItem* item = nullptr;
    std::string text;
    std::size_t column = 0;
    std::size_t width = 0;
};

// The texts of one line, left to right; none for a blank line.
using TextLine = std::vector<PlacedText>;

// How a text is shown where it is printed (a terminal's escapes, say): the layout measures
// and places each text as shown.
using ShownText = std::function<std::string(std::string_view)>;

std::vector<TextLine> layOutPageText(const ReportPage& page, const ShownText& shown = {});

// The lines laid out, each ending with a line feed.
std::string pageAsText(const ReportPage& page, const ShownText& shown = {});

} // namespace payvanta::reports
