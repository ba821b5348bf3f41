#include "text_width.h"

#include <array>
#include <utility>

namespace payvanta::reports {

namespace {

using Range = std::pair<char32_t, char32_t>;

// Combining marks and zero-width characters: drawn over or between their neighbours.
constexpr std::array<Range, 9> kZeroWidth{{
    {0x0300, 0x036F},
    {0x0483, 0x0489},
    {0x0591, 0x05BD},
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2060, 0x2064},
    {0x20D0, 0x20FF},
    {0xFE00, 0xFE0F},
    {0xFE20, 0xFE2F},
}};

// East Asian wide and full-width characters: two columns each.
constexpr std::array<Range, 10> kWide{{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
}};

template <std::size_t N> bool within(const std::array<Range, N>& ranges, char32_t c) {
    for (const auto& [first, last] : ranges) {
        if (c >= first && c <= last) {
            return true;
        }
    }
    return false;
}

std::size_t columnsOf(char32_t c) {
    if (within(kZeroWidth, c)) {
        return 0;
    }
    if (within(kWide, c) || (c >= 0x1F300 && c <= 0x1F64F) || (c >= 0x20000 && c <= 0x3FFFD)) {
        return 2;
    }
    return 1;
}

} // namespace

std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        bool whole = length != 0 && i + length <= utf8.size();
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!whole) {
            ++width; // a stray byte
            ++i;
            continue;
        }
        width += columnsOf(c);
        i += length;
    }
    return width;
}

} // namespace payvanta::reports
