#include "key_filter.h"

namespace payvanta::ui {

int CheckCharacter(int intKeyAscii, std::string_view strText, bool blnDecimal,
                   std::string_view decimalPoint) {
    // The locale's decimal key: a point in most of the world, a comma in much of Europe.
    const int decimalKey =
        decimalPoint.size() == 1 ? static_cast<unsigned char>(decimalPoint[0]) : kKeyDecimalPoint;
    if (intKeyAscii == decimalKey) {
        return blnDecimal && strText.find(decimalPoint) == std::string_view::npos ? intKeyAscii : 0;
    }
    if (intKeyAscii == kKeyBackspace) {
        return kKeyBackspace;
    }
    return intKeyAscii >= '0' && intKeyAscii <= '9' ? intKeyAscii : 0;
}

} // namespace payvanta::ui
