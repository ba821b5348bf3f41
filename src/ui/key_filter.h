#pragma once

#include <string_view>

namespace payvanta::ui {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyDecimalPoint = 46;

// The key filter of the numeric fields: digits and backspace always, a decimal point
// only where decimals are allowed and the whole text holds none yet (even when the
// point would replace a selected one). Returns the key to keep, or 0 to discard it.
// decimalPoint is the locale's decimal separator, "." in United States English.
int CheckCharacter(int intKeyAscii, std::string_view strText, bool blnDecimal,
                   std::string_view decimalPoint = ".");

} // namespace payvanta::ui
