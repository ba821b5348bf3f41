#pragma once

#include "model/locale_conventions.h"

#include <QLocale>

namespace payvanta::ui::qt {

// The number conventions of a Qt locale, for the layers below the window. United States
// English, and the C and POSIX locales that stand for it, show negative amounts in
// parentheses as the program always has.
LocaleConventions localeConventions(const QLocale& locale);

} // namespace payvanta::ui::qt
