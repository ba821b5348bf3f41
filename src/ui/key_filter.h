#pragma once

#include "model/locale_conventions.h"

#include <string_view>

namespace payvanta::ui {

inline constexpr int kKeyBackspace = 8;

// The key filter of the numeric fields: digits and backspace always, the locale's decimal
// separator only where decimals are allowed and the whole text holds none yet (even when
// it would replace a selected one). No other key gets in, the group separator least of
// all: a typed number never holds grouping. Returns the key to keep, or 0 to discard it.
int checkCharacter(int intKeyAscii, std::string_view strText, bool blnDecimal,
                   const LocaleConventions& locale = {});

} // namespace payvanta::ui
