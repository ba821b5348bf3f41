#include "print_page.h"

#include "item_names.h"
#include "savings_text.h"

#include <algorithm>
#include <array>

namespace payvanta::reports {

namespace {

// How far the texts of the summary start from the left, and how much room each character
// of an amount takes, by print font: the summary is drawn in the print font, so its
// column of amounts and its long text need places that suit the face and size.
struct SummarySettings {
    std::string_view font;
    int size;
    int textLeft;
    int characterWidth;
};
constexpr std::array<SummarySettings, 10> kSummarySettings{{
    {"Arial", 7, 2500, 65},
    {"Arial", 8, 2000, 70},
    {"Arial", 10, 1200, 95},
    {"Arial", 11, 650, 100},
    {"Arial", 12, 250, 110},
    {"Times New Roman", 7, 3000, 60},
    {"Times New Roman", 8, 2500, 70},
    {"Times New Roman", 10, 1500, 80},
    {"Times New Roman", 11, 1200, 90},
    {"Times New Roman", 12, 800, 100},
}};
constexpr SummarySettings kOtherFont{"", 0, 2000, 70};

// The places of the summary's texts that are alike in every print font, in twips.
constexpr int kHeadingLeft = 4200;
constexpr int kHeadingTop = 1700;
constexpr int kCustomerLabel = 3000;
constexpr int kCustomerTop = 3000;
constexpr int kCustomerLeft = 4500;
constexpr int kRowHeight = 250;
constexpr int kSummaryLabels = 3500;
constexpr int kSummaryTop = 4000;
constexpr int kAmounts = 6000;
constexpr int kAmountsTop = 4000;
constexpr int kOpportunitiesTop = 6500;

constexpr int kLogoLeft = 3500;
constexpr int kLogoTop = 1000;

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

PrintItem text(int left, std::optional<int> top, std::string value, const PrintFont& font,
               std::string_view name = {}) {
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.name = name;
    item.left = left;
    item.top = top;
    item.text = std::move(value);
    item.font = font;
    return item;
}

// A text on one of the summary's rows: it keeps within the row's height, so that a
// large print font does not run into the row below.
PrintItem rowText(int left, int top, std::string value, const PrintFont& font,
                  std::string_view name = {}) {
    PrintItem item = text(left, top, std::move(value), font, name);
    item.height = kRowHeight;
    return item;
}

// The lines of a text broken by CR LF, the last one without a break.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 2);
    }
    return lines;
}

} // namespace

PrintFont screenFont() {
    return {"MS Sans Serif", 8, false};
}

const PrintItem* PrintPage::item(std::string_view name) const {
    for (const PrintItem& i : items) {
        if (i.name == name) {
            return &i;
        }
    }
    return nullptr;
}

PrintPage printedForm(const ReportPage& page, const PrintFont& printFont, int shiftLeft,
                      int shiftTop) {
    // The cap lowers the size for this page only; the project keeps the size chosen.
    PrintFont capped = printFont;
    if (page.printFontSizeCap > 0) {
        capped.size = std::min(capped.size, page.printFontSizeCap);
    }
    PrintPage out;
    out.items.reserve(page.items.size());
    for (const ReportItem& item : page.items) {
        PrintItem p;
        p.name = item.name;
        p.left = item.left + shiftLeft;
        p.top = item.top + shiftTop;
        p.width = item.width;
        p.height = item.height;
        p.fitGroup = item.fitGroup;
        switch (item.kind) {
        case ItemKind::Button:
            continue; // a command, not part of the page
        case ItemKind::Rule:
            p.kind = PrintItem::Kind::Line;
            break;
        case ItemKind::Frame:
            p.kind = PrintItem::Kind::Frame;
            break;
        case ItemKind::Picture:
            p.kind = PrintItem::Kind::Picture;
            break;
        case ItemKind::Chart:
            p.kind = PrintItem::Kind::Chart;
            p.chart = item.chart;
            p.font = capped;
            break;
        case ItemKind::Label:
        case ItemKind::Field:
            if (item.text.empty()) {
                continue;
            }
            p.kind = PrintItem::Kind::Text;
            p.text = item.text;
            p.font = item.takesPrintFont ? capped : screenFont();
            p.font.bold = item.bold;
            p.align = item.align;
            break;
        }
        out.items.push_back(std::move(p));
    }
    return out;
}

PrintPage printedSummary(const ReportPage& savings, const PrintFont& printFont) {
    SummarySettings settings = kOtherFont;
    for (const SummarySettings& s : kSummarySettings) {
        if (s.font == printFont.name && s.size == printFont.size) {
            settings = s;
        }
    }
    const PrintFont plain{printFont.name, printFont.size, false};
    PrintPage out;
    PrintItem logo;
    logo.kind = PrintItem::Kind::Picture;
    logo.name = names::Image1;
    logo.left = kLogoLeft;
    logo.top = kLogoTop;
    logo.width = kSavingsLogoWidth;
    logo.height = kSavingsLogoHeight;
    out.items.push_back(logo);

    auto& items = out.items;
    items.push_back(text(kHeadingLeft, kHeadingTop,
                         savings.text(names::Label31) + "     " + savings.text(names::lblDate),
                         plain));
    items.push_back(text(kHeadingLeft, std::nullopt, savings.text(names::Label30), plain));
    items.push_back(text(kHeadingLeft, std::nullopt, savings.text(names::Label32), plain));
    items.push_back(rowText(kCustomerLabel, kCustomerTop, "Customer:", plain));
    items.push_back(rowText(kCustomerLeft, kCustomerTop, savings.text(names::txtCustomer), plain,
                            names::txtCustomer));
    items.push_back(rowText(kCustomerLabel, kCustomerTop + kRowHeight, "Project:", plain));
    items.push_back(rowText(kCustomerLeft, kCustomerTop + kRowHeight,
                            savings.text(names::txtProject), plain, names::txtProject));
    items.push_back(rowText(kSummaryLabels, kSummaryTop, "Annual Summary", plain));
    items.push_back(rowText(kAmounts, kAmountsTop, "Estimated Savings", plain));
    // The amounts end about where the total ends: each character fewer moves an amount
    // right by the width of one.
    const std::string& total = savings.text(names::txtTotal);
    const std::array<std::pair<std::string_view, std::string_view>, 3> rows{
        {{"Energy", names::txtEnergy},
         {"Maintenance Labor", names::txtMaintenance},
         {"Inventory", names::txtInventory}}};
    int k = 2;
    for (const auto& [label, amountName] : rows) {
        const std::string& amount = savings.text(amountName);
        const int shift =
            (static_cast<int>(characters(total)) - static_cast<int>(characters(amount))) *
            settings.characterWidth;
        items.push_back(
            rowText(kSummaryLabels, kSummaryTop + k * kRowHeight, std::string(label), plain));
        items.push_back(
            rowText(kAmounts + shift, kAmountsTop + k * kRowHeight, amount, plain, amountName));
        ++k;
    }
    const int totalTop = kAmountsTop + 6 * kRowHeight;
    PrintItem frame;
    frame.kind = PrintItem::Kind::Frame;
    frame.name = names::shpTotal;
    frame.left = kAmounts - 50;
    frame.top = totalTop - 50;
    frame.width = 1550;
    frame.height = 300;
    items.push_back(frame);
    items.push_back(rowText(kSummaryLabels, kSummaryTop + 6 * kRowHeight, "Total", plain));
    items.push_back(rowText(kAmounts, totalTop, total, plain, names::txtTotal));
    items.push_back(text(settings.textLeft, kOpportunitiesTop, "Additional Savings Opportunities:",
                         {printFont.name, printFont.size, true}, names::Label3));
    for (const std::string_view line : linesOf(savings.text(names::lblOutput))) {
        items.push_back(text(settings.textLeft, std::nullopt, std::string(line), plain));
    }
    return out;
}

PrintPage printedText(const std::string& value, const PrintFont& font) {
    constexpr int kLeft = 600;
    PrintPage out;
    bool first = true;
    for (const std::string_view line : linesOf(value)) {
        out.items.push_back(
            text(kLeft, first ? std::optional<int>(0) : std::nullopt, std::string(line), font));
        first = false;
    }
    return out;
}

Shift summaryShift(const PrintFont& printFont) {
    if (printFont.name == "Times New Roman" && printFont.size == 7) {
        return {1750, 1000};
    }
    return {1500, 1000};
}

} // namespace payvanta::reports
