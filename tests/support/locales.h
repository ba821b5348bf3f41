#pragma once

#include "model/locale_conventions.h"

#include <optional>
#include <string_view>

namespace payvanta::test {

// Conventions other than the default, for the layers that link no Qt (the programs take
// theirs from Qt): a decimal comma, points between the groups and the euro after the
// amount, as in Germany.
inline LocaleConventions german() {
    LocaleConventions c;
    c.decimalPoint = ",";
    c.groupSeparator = ".";
    c.currencySymbol = "\u20AC";
    c.positiveCurrencyPattern = "n $";
    c.negativeCurrencyPattern = "-n $";
    c.shortDatePattern = "dd.MM.yyyy";
    c.longTimePattern = "HH:mm:ss";
    return c;
}

// The same with a no-break space between the groups, as in France.
inline LocaleConventions french() {
    LocaleConventions c = german();
    c.groupSeparator = "\u00A0";
    c.shortDatePattern = "dd/MM/yyyy";
    return c;
}

// In place of Qt's locale data, for a test that names a locale: en_US and de_DE.
inline std::optional<LocaleConventions> localeNamed(std::string_view name) {
    if (name == "en_US") {
        return LocaleConventions::unitedStates();
    }
    if (name == "de_DE") {
        return german();
    }
    return std::nullopt;
}

} // namespace payvanta::test
