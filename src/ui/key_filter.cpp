#include "key_filter.h"

namespace payvanta::ui {

namespace {

// The character of a separator that is one character (UTF-8), as its code; -1 otherwise.
int characterOf(std::string_view separator) {
    if (separator.empty()) {
        return -1;
    }
    const auto lead = static_cast<unsigned char>(separator[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (separator.size() != length) {
        return -1;
    }
    int code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<unsigned char>(separator[i]) & 0x3F);
    }
    return code;
}

} // namespace

int checkCharacter(int intKeyAscii, std::string_view strText, bool blnDecimal,
                   const LocaleConventions& locale) {
    // The locale's decimal key: a point in most of the world, a comma in much of Europe.
    const int decimalKey = characterOf(locale.decimalPoint);
    if (decimalKey > 0 && intKeyAscii == decimalKey &&
        decimalKey != characterOf(locale.groupSeparator)) {
        return blnDecimal && strText.find(locale.decimalPoint) == std::string_view::npos
                   ? intKeyAscii
                   : 0;
    }
    if (intKeyAscii == kKeyBackspace) {
        return kKeyBackspace;
    }
    return intKeyAscii >= '0' && intKeyAscii <= '9' ? intKeyAscii : 0;
}

} // namespace payvanta::ui
