#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace payvanta {

// The number conventions of the user's locale, as far as reading and writing numbers
// needs them. The desktop program builds this from the system locale; everything below
// the window layer is handed one and defaults to United States English.
struct LocaleConventions {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
    int groupSize = 3;
    std::string negativeSign = "-";
    std::string currencySymbol = "$";
    // Currency patterns: "n" stands for the digits, "$" for the currency symbol.
    std::string positiveCurrencyPattern = "$n";
    std::string negativeCurrencyPattern = "($n)";
    int currencyDecimals = 2;
    // Date and time patterns: d, dd, M, MM, yyyy, h, hh (12-hour), H, HH, m, mm, s, ss and
    // AP (AM or PM); any other character stands for itself.
    std::string shortDatePattern = "M/d/yyyy";
    std::string longTimePattern = "h:mm:ss AP";

    static LocaleConventions unitedStates();
    static LocaleConventions german();

    // The conventions of a locale name such as "en_US", "de-DE" or "fr_FR.UTF-8".
    // "C" and "POSIX" count as United States English. Unknown and empty names (also ""
    // left once ".UTF-8" or "@euro" is dropped) give nothing.
    static std::optional<LocaleConventions> byName(std::string_view name);
};

} // namespace payvanta
