#include "page_text.h"

#include "text_width.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace payvanta::reports {

namespace {

// About the width of one character of the page's 8-point face.
constexpr int kTwipsPerColumn = 105;
// Lines of a text of several lines stand this far apart.
constexpr int kLineHeight = 240;
// Items whose tops lie less than this apart share a line: the two columns of the business
// case page stand a little off each other's rows.
constexpr int kRowSlack = 120;
// Boxes whose left and right edges lie no further apart stand in one column: the bridge
// costs of the energy page stand this far right of their heading.
constexpr int kColumnSlack = 120;
// A column's pieces stand on lines at most this many apart.
constexpr std::size_t kRowsBetween = 2;
// The spaces between two columns at the least.
constexpr std::size_t kGap = 2;

// One line of an item's text; a blank one keeps the blank line of a text of several lines.
struct Piece {
    const ReportItem* item;
    std::string text;
    std::size_t width;
    int top;
    bool blank;
    std::size_t row = 0;
    std::size_t column = 0;
};

struct Column {
    int left;
    int right;
    Align align = Align::Center;
    std::size_t width = 0;
    std::size_t start = 0;
    std::vector<std::size_t> rows;
};

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<Piece> piecesOf(const ReportPage& page, const ShownText& shown) {
    std::vector<Piece> pieces;
    for (const ReportItem& item : page.items) {
        if ((item.kind != ItemKind::Label && item.kind != ItemKind::Field) || item.text.empty()) {
            continue;
        }
        int top = item.top;
        for (const std::string_view line : linesOf(item.text)) {
            std::string text = shown ? shown(line) : std::string(line);
            const std::size_t width = displayWidth(text);
            pieces.push_back({&item, std::move(text), width, top, line.empty()});
            top += kLineHeight;
        }
    }
    return pieces;
}

// Rows top to bottom: a row takes the pieces less than kRowSlack below its first one.
std::size_t assignRows(std::vector<Piece>& pieces) {
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.top < b.top; });
    std::size_t rows = 0;
    int rowTop = 0;
    for (Piece& p : pieces) {
        if (rows == 0 || p.top - rowTop >= kRowSlack) {
            rowTop = p.top;
            ++rows;
        }
        p.row = rows - 1;
    }
    return rows;
}

int rightOf(const ReportItem& item) {
    return item.left + item.width;
}

// Columns top to bottom: a piece joins a column whose box stands where its own does, that
// has nothing on its row yet and a piece at most two lines above. A caption in the same
// place further up or down the page heads a column of its own.
std::vector<Column> assignColumns(std::vector<Piece>& pieces) {
    std::vector<Piece*> order;
    for (Piece& p : pieces) {
        if (!p.blank) {
            order.push_back(&p);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Piece* a, const Piece* b) {
        return std::pair(a->row, a->item->left) < std::pair(b->row, b->item->left);
    });
    std::vector<Column> columns;
    for (Piece* p : order) {
        const int left = p->item->left;
        const int right = rightOf(*p->item);
        const auto fits = [&](const Column& c) {
            return std::abs(c.left - left) <= kColumnSlack &&
                   std::abs(c.right - right) <= kColumnSlack && c.rows.back() < p->row &&
                   p->row - c.rows.back() <= kRowsBetween;
        };
        auto found = std::find_if(columns.begin(), columns.end(), fits);
        if (found == columns.end()) {
            columns.push_back({left, right, Align::Center, 0, 0, {}});
            found = columns.end() - 1;
        }
        Column& c = *found;
        p->column = static_cast<std::size_t>(found - columns.begin());
        c.rows.push_back(p->row);
        c.width = std::max(c.width, p->width);
        // A right-aligned value makes the column one of numbers; a column of centred texts
        // alone (a heading over several columns, say) is centred as a whole.
        if (p->item->align == Align::Right || c.align == Align::Right) {
            c.align = Align::Right;
        } else if (p->item->align == Align::Left) {
            c.align = Align::Left;
        }
    }
    return columns;
}

std::size_t toColumns(int twips) {
    return static_cast<std::size_t>(std::max(0, (twips + kTwipsPerColumn / 2) / kTwipsPerColumn));
}

// Where the column would start if its texts were as wide as the page draws them.
std::size_t idealStart(const Column& c) {
    const auto back = [](std::size_t at, std::size_t by) { return at > by ? at - by : 0; };
    switch (c.align) {
    case Align::Left:
        break;
    case Align::Right:
        return back(toColumns(c.right), c.width);
    case Align::Center:
        return back(toColumns((c.left + c.right) / 2), c.width / 2);
    }
    return toColumns(c.left);
}

// Texts end where a column of numbers ends and start where any other column starts.
std::size_t offsetIn(const Column& c, const Piece& p) {
    return c.align == Align::Right ? c.width - p.width : 0;
}

// The columns a centred heading stands over: those whose boxes lie within its own.
std::vector<std::size_t> columnsUnder(const std::vector<Column>& columns, std::size_t heading) {
    std::vector<std::size_t> under;
    const Column& h = columns[heading];
    if (h.align != Align::Center) {
        return under;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        if (i != heading && c.align != Align::Center && c.left >= h.left - kColumnSlack &&
            c.right <= h.right + kColumnSlack) {
            under.push_back(i);
        }
    }
    return under;
}

} // namespace

std::vector<TextLine> layOutPageText(const ReportPage& page, const ShownText& shown) {
    std::vector<Piece> pieces = piecesOf(page, shown);
    const std::size_t rowCount = assignRows(pieces);
    std::vector<Column> columns = assignColumns(pieces);

    // Each row's pieces left to right, by their columns' places on the page.
    std::vector<std::size_t> order(columns.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(columns[a].left, columns[a].right) <
               std::pair(columns[b].left, columns[b].right);
    });
    std::vector<std::size_t> rank(columns.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        rank[order[i]] = i;
    }
    std::vector<std::vector<const Piece*>> rows(rowCount);
    for (const Piece& p : pieces) {
        if (!p.blank) {
            rows[p.row].push_back(&p);
        }
    }
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(), [&](const Piece* a, const Piece* b) {
            return rank[a->column] < rank[b->column];
        });
    }

    // Left to right, each column stands where its box is unless a column before it on one
    // of its rows needs the room: then it stands the gap after that one.
    std::vector<std::vector<std::size_t>> before(columns.size());
    for (const auto& row : rows) {
        for (std::size_t i = 1; i < row.size(); ++i) {
            before[row[i]->column].push_back(row[i - 1]->column);
        }
    }
    for (const std::size_t c : order) {
        Column& column = columns[c];
        column.start = idealStart(column);
        for (const std::size_t b : before[c]) {
            column.start = std::max(column.start, columns[b].start + columns[b].width + kGap);
        }
    }

    // A centred heading over several columns moves to their middle, where that leaves the
    // gap to its neighbours on its own rows.
    for (std::size_t h = 0; h < columns.size(); ++h) {
        const std::vector<std::size_t> under = columnsUnder(columns, h);
        if (under.size() < 2) {
            continue;
        }
        std::size_t from = columns[under[0]].start;
        std::size_t to = 0;
        for (const std::size_t u : under) {
            from = std::min(from, columns[u].start);
            to = std::max(to, columns[u].start + columns[u].width);
        }
        const std::size_t middle = (from + to) / 2;
        const std::size_t start = middle > columns[h].width / 2 ? middle - columns[h].width / 2 : 0;
        const bool room = std::all_of(rows.begin(), rows.end(), [&](const auto& row) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (row[i]->column != h) {
                    continue;
                }
                const Column* left = i > 0 ? &columns[row[i - 1]->column] : nullptr;
                const Column* right = i + 1 < row.size() ? &columns[row[i + 1]->column] : nullptr;
                if ((left && left->start + left->width + kGap > start) ||
                    (right && start + columns[h].width + kGap > right->start)) {
                    return false;
                }
            }
            return true;
        });
        if (room) {
            columns[h].start = start;
        }
    }

    // The lines; a row of blank lines alone is a blank line.
    std::vector<TextLine> lines(rowCount);
    for (std::size_t r = 0; r < rowCount; ++r) {
        for (const Piece* p : rows[r]) {
            const Column& c = columns[p->column];
            lines[r].push_back({p->item, p->text, c.start + offsetIn(c, *p), p->width});
        }
    }
    return lines;
}

std::string pageAsText(const ReportPage& page, const ShownText& shown) {
    std::string out;
    for (const TextLine& line : layOutPageText(page, shown)) {
        std::size_t at = 0;
        for (const PlacedText& piece : line) {
            out.append(piece.column - at, ' ');
            out += piece.text;
            at = piece.column + piece.width;
        }
        out += '\n';
    }
    return out;
}

} // namespace payvanta::reports
