// The captions of a page's values, read off the page's layout: a value's row caption is
// the nearest label before it on its line; a table's cells share their row caption, so
// they also take the headings stacked above their column. A row caption that is only a
// number ("1" down the speed column) takes its own column's heading ("Speed 1").

#include "value_captions.h"

#include <algorithm>
#include <cstdlib>

namespace payvanta::reports {

namespace {

// Items whose tops lie less than this apart share a line, as on the page as text.
constexpr int kRowSlack = 120;
// A heading ends at most this far above the first cell of its column.
constexpr int kHeadingGap = 150;
// A column's cells stand at most this far apart: a row may leave out a cell.
constexpr int kCellGap = 2 * 255;

int rightOf(const ReportItem& item) {
    return item.left + item.width;
}

int bottomOf(const ReportItem& item) {
    return item.top + item.height;
}

bool sameLine(const ReportItem& a, const ReportItem& b) {
    return std::abs(a.top - b.top) < kRowSlack;
}

bool sideBySide(const ReportItem& a, const ReportItem& b) {
    return a.left < rightOf(b) && b.left < rightOf(a);
}

// Whether a spans b, as a heading over several columns does.
bool spans(const ReportItem& a, const ReportItem& b) {
    return a.left <= b.left + kRowSlack && rightOf(a) >= rightOf(b) - kRowSlack;
}

// Whether two boxes stand in one column: an edge of one where the other's is.
bool sameColumn(const ReportItem& a, const ReportItem& b) {
    return std::abs(a.left - b.left) <= kRowSlack || std::abs(rightOf(a) - rightOf(b)) <= kRowSlack;
}

bool isNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text on one line, without the spaces around it.
std::string oneLine(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c != '\r') {
            out += c == '\n' ? ' ' : c;
        }
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// A caption as a name: one line, without the ":" or " =" that leads to its value.
std::string asCaption(const std::string& text) {
    std::string out = oneLine(text);
    while (!out.empty() && (out.back() == ' ' || out.back() == ':' || out.back() == '=')) {
        out.pop_back();
    }
    return out;
}

class PageCaptions {
public:
    explicit PageCaptions(const ReportPage& page) : page_(page) {}

    // The nearest label before the item on its line, or null.
    const ReportItem* rowCaption(const ReportItem& item) const {
        const ReportItem* best = nullptr;
        for (const ReportItem& label : page_.items) {
            if (label.kind == ItemKind::Label && &label != &item && sameLine(label, item) &&
                label.left < item.left && rightOf(label) < rightOf(item) &&
                (best == nullptr || label.left > best->left)) {
                best = &label;
            }
        }
        return best;
    }

    // Whether another value on the item's line has the same row caption.
    bool sharesRowCaption(const ReportItem& item, const ReportItem* caption) const {
        return std::any_of(page_.items.begin(), page_.items.end(), [&](const ReportItem& other) {
            return &other != &item && other.kind == ItemKind::Field && sameLine(other, item) &&
                   rowCaption(other) == caption;
        });
    }

    // The headings above the item's column, top one first, joined by spaces: the column
    // runs up from the item through the items of the same kind in the same place (values,
    // or numbers in a row caption's column), each right below the one before; a heading
    // above another spans it.
    std::string columnHeadings(const ReportItem& item) const {
        const auto cellOfColumn = [&](const ReportItem& candidate) {
            const bool sameKind =
                item.kind == ItemKind::Field
                    ? candidate.kind == ItemKind::Field
                    : candidate.kind == ItemKind::Label && isNumber(candidate.text);
            return sameKind && sameColumn(candidate, item);
        };
        const ReportItem* top = &item;
        while (const ReportItem* above = directlyAbove(*top, item, cellOfColumn, kCellGap)) {
            top = above;
        }
        const auto isHeading = [](const ReportItem& candidate) {
            return candidate.kind == ItemKind::Label && !isNumber(candidate.text);
        };
        std::vector<const ReportItem*> headings;
        // A heading over several columns may stand a row above the one it spans.
        while (const ReportItem* heading = directlyAbove(
                   *top, item, isHeading, headings.empty() ? kHeadingGap : kCellGap)) {
            if (!headings.empty() && !spans(*heading, *headings.back())) {
                break;
            }
            headings.push_back(heading);
            top = heading;
        }
        std::string out;
        for (auto it = headings.rbegin(); it != headings.rend(); ++it) {
            const std::string text = asCaption((*it)->text);
            if (!text.empty()) {
                out += (out.empty() ? "" : " ") + text;
            }
        }
        return out;
    }

    std::string captionOf(const ReportItem& item) const {
        // The date stands beside the heading's lines, which are no caption of it.
        if (item.name == "lblDate") {
            return {};
        }
        const std::string column = columnHeadings(item);
        const ReportItem* row = rowCaption(item);
        std::string rowText;
        if (row != nullptr) {
            rowText = asCaption(row->text);
            if (isNumber(row->text)) {
                const std::string heading = columnHeadings(*row);
                rowText = heading.empty() ? rowText : heading + " " + rowText;
            }
        }
        if (row != nullptr && !sharesRowCaption(item, row)) {
            return rowText;
        }
        if (rowText.empty() || column.empty()) {
            return rowText + column;
        }
        return rowText + ", " + column;
    }

private:
    // The nearest item that matches, beside the column's item, ending at most gap above
    // from.
    template <typename Matches>
    const ReportItem* directlyAbove(const ReportItem& from, const ReportItem& column,
                                    const Matches& matches, int gap) const {
        const ReportItem* best = nullptr;
        for (const ReportItem& candidate : page_.items) {
            if (&candidate == &from || !matches(candidate) || !sideBySide(candidate, column) ||
                candidate.top >= from.top - kRowSlack + 1 || bottomOf(candidate) > from.top + 60 ||
                from.top - bottomOf(candidate) > gap) {
                continue;
            }
            if (best == nullptr || candidate.top > best->top) {
                best = &candidate;
            }
        }
        return best;
    }

    const ReportPage& page_;
};

} // namespace

std::vector<CaptionedValue> captionedValues(const ReportPage& page) {
    const PageCaptions captions(page);
    std::vector<CaptionedValue> values;
    for (std::size_t i = 0; i < page.items.size(); ++i) {
        const ReportItem& item = page.items[i];
        if (item.kind != ItemKind::Field) {
            continue;
        }
        CaptionedValue value{i, captions.captionOf(item), {}};
        const std::string text = oneLine(item.text);
        if (text.empty() && (item.name == "lblDate" || captions.rowCaption(item) == nullptr)) {
            continue; // nothing to read, and no line of the page to be read in
        }
        value.name = value.caption.empty() ? text
                     : text.empty()        ? value.caption
                                           : value.caption + ": " + text;
        values.push_back(std::move(value));
    }
    // Line by line, top to bottom: a line takes the values less than a little below its
    // first one, left to right.
    std::stable_sort(values.begin(), values.end(), [&](const auto& a, const auto& b) {
        return page.items[a.item].top < page.items[b.item].top;
    });
    std::vector<std::pair<std::pair<int, int>, CaptionedValue>> placed;
    int lineTop = 0;
    int line = -1;
    for (CaptionedValue& v : values) {
        const ReportItem& item = page.items[v.item];
        if (line < 0 || item.top - lineTop >= kRowSlack) {
            lineTop = item.top;
            ++line;
        }
        placed.push_back({{line, item.left}, std::move(v)});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    values.clear();
    for (auto& p : placed) {
        values.push_back(std::move(p.second));
    }
    return values;
}

} // namespace payvanta::reports
