#include "terminal_text.h"

#include <cstdint>

namespace payvanta::reports {

namespace {

std::uint8_t byteAt(std::string_view s, std::size_t i) {
    return i < s.size() ? static_cast<std::uint8_t>(s[i]) : 0;
}

bool continuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at s[i] beyond ASCII, or 0 when the byte
// starts none (overlong forms, surrogates and values beyond U+10FFFF start none).
std::size_t characterLength(std::string_view s, std::size_t i) {
    const std::uint8_t b0 = byteAt(s, i);
    const std::uint8_t b1 = byteAt(s, i + 1);
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        return continuation(b1) ? 2 : 0;
    }
    // The second byte's range is narrower after E0, ED, F0 and F4.
    const std::uint8_t low = b0 == 0xE0 ? 0xA0 : b0 == 0xF0 ? 0x90 : 0x80;
    const std::uint8_t high = b0 == 0xED ? 0x9F : b0 == 0xF4 ? 0x8F : 0xBF;
    if (b1 < low || b1 > high) {
        return 0;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        return continuation(byteAt(s, i + 2)) ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        return continuation(byteAt(s, i + 2)) && continuation(byteAt(s, i + 3)) ? 4 : 0;
    }
    return 0;
}

void appendEscape(std::string& out, std::uint8_t code) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out += "\\x";
    out += kHex[code >> 4];
    out += kHex[code & 0x0F];
}

} // namespace

std::string visibleControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint8_t b = byteAt(text, i);
        if (b == '\n' || (b == '\r' && byteAt(text, i + 1) == '\n')) {
            out += '\n';
            i += b == '\r' ? 2 : 1;
        } else if (b < 0x20 || b == 0x7F) {
            appendEscape(out, b);
            ++i;
        } else if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (const std::size_t length = characterLength(text, i); length == 0) {
            appendEscape(out, b);
            ++i;
        } else if (b == 0xC2 && byteAt(text, i + 1) < 0xA0) {
            appendEscape(out, byteAt(text, i + 1)); // U+0080 to U+009F
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace payvanta::reports
