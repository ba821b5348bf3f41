#include "page_text.h"

#include "terminal_text.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace payvanta::reports {

namespace {

// About the width of one character of the page's 8-point face.
constexpr int kTwipsPerColumn = 105;
// Lines of a text of several lines stand this far apart.
constexpr int kLineHeight = 240;

struct Piece {
    int column;
    std::string text;
};

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

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

int columnOf(const ReportItem& item, std::size_t length) {
    const int chars = static_cast<int>(length);
    // A text longer than its box starts where the box starts.
    if (chars * kTwipsPerColumn > item.width) {
        return item.left / kTwipsPerColumn;
    }
    switch (item.align) {
    case Align::Right:
        return std::max(0, (item.left + item.width) / kTwipsPerColumn - chars);
    case Align::Center:
        return std::max(0, (item.left + item.width / 2) / kTwipsPerColumn - chars / 2);
    case Align::Left:
        break;
    }
    return item.left / kTwipsPerColumn;
}

} // namespace

std::string pageAsText(const ReportPage& page) {
    std::map<int, std::vector<Piece>> lines; // by top
    for (const ReportItem& item : page.items) {
        if ((item.kind != ItemKind::Label && item.kind != ItemKind::Field) || item.text.empty()) {
            continue;
        }
        int top = item.top;
        for (const std::string_view line : linesOf(item.text)) {
            // A control character in a name shows as its escape, which takes the columns.
            const std::string shown = visibleControls(line);
            if (!shown.empty()) {
                lines[top].push_back({columnOf(item, characters(shown)), shown});
            }
            top += kLineHeight;
        }
    }
    std::string out;
    for (auto& [top, pieces] : lines) {
        std::stable_sort(pieces.begin(), pieces.end(),
                         [](const Piece& a, const Piece& b) { return a.column < b.column; });
        std::string line;
        std::size_t width = 0;
        for (const Piece& piece : pieces) {
            // A piece never runs into the one before it.
            const auto column = static_cast<std::size_t>(piece.column);
            const std::size_t at = width == 0 ? column : std::max(column, width + 1);
            line.append(at - width, ' ');
            line += piece.text;
            width = at + characters(piece.text);
        }
        out += line;
        out += '\n';
    }
    return out;
}

} // namespace payvanta::reports
