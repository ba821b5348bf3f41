#pragma once

#include "report_page.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace payvanta::reports {

// A font as the printer is told it: face, size in points, weight.
struct PrintFont {
    std::string name;
    int size = 8;
    bool bold = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// The face and size every page shows on screen, and prints with where no print font
// applies.
PrintFont screenFont();

// One thing drawn on a printed page, in twips from the top left corner of the printable
// area.
struct PrintItem {
    enum class Kind { Text, Line, Frame, Picture, Chart };
    Kind kind = Kind::Text;
    std::string name; // the control it shows, where it shows one
    int left = 0;
    // For a text: the top of its line; nothing for the line right below the text printed
    // before it, as a printer's print position moves down a line after each line.
    std::optional<int> top;
    int width = 0; // a text's box: 0 for a line of text that just starts at left
    int height = 0;
    std::string text;
    PrintFont font; // a chart writes its texts in this face
    Align align = Align::Left;
    // A text wider (or taller) than its box prints smaller, so that it stays in its box;
    // the texts of one group (a table) print in one size, the size the tightest needs.
    int fitGroup = 0;
    std::shared_ptr<const Chart> chart;
};

struct PrintPage {
    std::vector<PrintItem> items;

    // The texts printed, in order; for tests and for finding an item.
    const PrintItem* item(std::string_view name) const;
};

// The report page as its form prints: every label and value in the print font (no larger
// than the page's cap, for this page only), the items left alone in the screen font, the
// rules, frames and logo; buttons are never printed. The whole page moves right and down
// by the shift. A chart is drawn in its box in the print font.
PrintPage printedForm(const ReportPage& page, const PrintFont& printFont, int shiftLeft = 0,
                      int shiftTop = 0);

// The savings summary drawn directly on the printer in the print font: the heading, the
// customer and project, the three amounts aligned on the total, the framed total, the
// bold heading of the opportunities and their lines. The page label is not printed.
PrintPage printedSummary(const ReportPage& savings, const PrintFont& printFont);

// One page of printed text: each line at 600 twips from the left, one below the other.
PrintPage printedText(const std::string& text, const PrintFont& font);

// Where the form of the savings summary moves when it prints its image ("Print Old").
struct Shift {
    int left;
    int top;
};
Shift summaryShift(const PrintFont& printFont);

} // namespace payvanta::reports
