#pragma once

#include "model/locale_conventions.h"

#include <QLocale>
#include <optional>
#include <string_view>

namespace payvanta::qt {

// The number conventions of a Qt locale, for the layers below the window: the one place
// both programs take them from. United States English, and the C and POSIX locales that
// stand for it, show negative amounts in parentheses as the program always has.
LocaleConventions localeConventions(const QLocale& locale);

// The locale a name such as "de_DE", "de-DE" or "fr_FR.UTF-8" stands for; "C" and "POSIX"
// stand for United States English. Nothing for a name that Qt knows no locale of (a
// language or territory it does not know), nor for an empty one (also "" left once
// ".UTF-8" or "@euro" is dropped).
std::optional<QLocale> localeNamed(std::string_view name);

// The conventions of the locale a name stands for, as payvanta-calc's --locale takes it.
std::optional<LocaleConventions> localeConventionsNamed(std::string_view name);

} // namespace payvanta::qt
