#pragma once

#include "print_page.h"

#include <string>

namespace payvanta::reports::proposal {

// A proposal's sheet: US Letter within the quarter-inch margins its PDF file keeps, in
// twips from the top left corner of that area.
inline constexpr int kSheetWidth = 11520;
inline constexpr int kSheetHeight = 15120;
// The footer stands in the bottom margin, beneath anything a page of its own draws.
inline constexpr int kFooterTop = kSheetHeight + 60;
inline constexpr int kFooterHeight = 220;

// A text in its box, printed smaller where it does not fit.
inline PrintItem boxedText(std::string name, std::string text, int left, int top, int width,
                           int height, const PrintFont& font, Align align = Align::Left) {
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.name = std::move(name);
    item.text = std::move(text);
    item.left = left;
    item.top = top;
    item.width = width;
    item.height = height;
    item.font = font;
    item.align = align;
    return item;
}

} // namespace payvanta::reports::proposal
