// The appendix "Project data": every input of the project as a table the customer can
// check against what was measured on the crane, as many pages as it needs.

#include "proposal.h"
#include "proposal_layout.h"

namespace payvanta::reports {

namespace {

using proposal::boxedText;

constexpr int kTitleTop = 360;
constexpr int kFirstRow = 1200;
constexpr int kLastRow = 14400; // no row starts below this
constexpr int kRow = 300;       // room for a line of the largest print font
constexpr int kHeadingGap = 120;
constexpr int kHeadingLeft = 720;
constexpr int kCaptionLeft = 1080;
constexpr int kCaptionWidth = 5400;
constexpr int kValueLeft = 6720;
constexpr int kValueWidth = 4080;
constexpr int kTableGroup = 1;

PrintPage startPage(bool first, const PrintFont& printFont) {
    PrintPage page;
    page.items.push_back(boxedText("lblTitle", first ? "Project Data" : "Project Data, continued",
                                   kHeadingLeft, kTitleTop, proposal::kSheetWidth - kHeadingLeft,
                                   480, {printFont.name, 14, true}));
    return page;
}

} // namespace

std::vector<PrintPage> projectDataPages(const std::vector<ProjectDataRow>& rows,
                                        const PrintFont& printFont) {
    const PrintFont cell{printFont.name, printFont.size, false};
    const PrintFont heading{printFont.name, printFont.size, true};
    std::vector<PrintPage> pages{startPage(true, printFont)};
    int top = kFirstRow;
    int number = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ProjectDataRow& row = rows[i];
        // A heading starts its group a little apart, and never as the last row of a page.
        const int needed = row.heading ? kHeadingGap + 2 * kRow : kRow;
        if (top + needed - kRow > kLastRow) {
            pages.push_back(startPage(false, printFont));
            top = kFirstRow;
        }
        PrintPage& page = pages.back();
        ++number;
        const std::string n = std::to_string(number);
        if (row.heading) {
            if (top != kFirstRow) {
                top += kHeadingGap;
            }
            page.items.push_back(boxedText("lblGroup" + n, row.caption, kHeadingLeft, top,
                                           proposal::kSheetWidth - kHeadingLeft, kRow, heading));
        } else {
            PrintItem caption =
                boxedText("lblData" + n, row.caption, kCaptionLeft, top, kCaptionWidth, kRow, cell);
            PrintItem value =
                boxedText("txtData" + n, row.value, kValueLeft, top, kValueWidth, kRow, cell);
            caption.fitGroup = kTableGroup;
            value.fitGroup = kTableGroup;
            page.items.push_back(std::move(caption));
            page.items.push_back(std::move(value));
        }
        top += kRow;
    }
    return pages;
}

} // namespace payvanta::reports
