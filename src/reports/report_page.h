#pragma once

#include "chart.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::reports {

// The report forms, one page each.
enum class ReportForm : std::uint8_t {
    Hoist,
    Trolley,
    Bridge,
    Inventory,
    Maintenance,
    EnergySavings,
    Savings,
    // Beyond the seven forms: what the retrofit costs and returns. Never part of Print All.
    BusinessCase,
};

enum class ItemKind : std::uint8_t {
    Label,   // a fixed caption
    Field,   // a value the page computes when it loads
    Rule,    // a thin line from (left, top) to (left + width, top + height)
    Frame,   // a thin rectangle
    Picture, // the logo
    Button,  // a command on the page (shown on screen, never printed)
    Chart,   // a chart drawn in the item's box from the data it carries
};

enum class Align : std::uint8_t { Left, Right, Center };

// One named item of a page, placed in twips from the page's top left corner.
struct ReportItem {
    // The control name; an element of a control array as "txtDutyCycleA(6)". The names of
    // all pages are kept for the whole run (see internName), so an item only points to it.
    std::string_view name;
    ItemKind kind = ItemKind::Label;
    std::string text; // lines broken by CR LF
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Align align = Align::Left;
    bool bold = false;
    // Printing sets the print font on the page's labels and fields; a few keep the font
    // they were designed with.
    bool takesPrintFont = true;
    // Texts of one group (a table: its headings and cells in the print font) print in one
    // size: where one of them is too wide for its box, all of them shrink alike. 0: a text
    // on its own.
    int fitGroup = 0;
    // A chart's data; shared, so that copying a page copies no chart.
    std::shared_ptr<const Chart> chart;
};

// The print commands of a report window: Print, the savings summary's Print Old and the
// motion pages' Print Form.
enum class ReportPrint { Print, PrintOld, PrintForm };

// A report as data: what a window shows and a printer prints, before any pixel.
struct ReportPage {
    ReportForm form = ReportForm::Savings;
    std::string caption; // the window's caption
    int width = 0;       // twips
    int height = 0;
    // The largest print font size the page takes (0: any size).
    int printFontSizeCap = 0;
    std::vector<ReportItem> items;

    // The item of this name, or null.
    const ReportItem* item(std::string_view name) const;
    ReportItem* item(std::string_view name);
    // The text of the item of this name; empty when there is none.
    const std::string& text(std::string_view name) const;
};

// "Hoist", "EnergySavings", ..., "BusinessCase": the form's name, as payvanta-calc --report
// takes it.
std::string_view formName(ReportForm form);

// The one copy of a control name, kept for the whole run: pages are built again and
// again from the same few hundred names.
std::string_view internName(std::string_view name);

} // namespace payvanta::reports
