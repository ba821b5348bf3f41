#pragma once

#include <string>

namespace payvanta {

// The number conventions of the user's locale, as far as reading and writing numbers
// needs them. Both programs fill this from Qt's locale data (model/qt); everything below
// them is handed one, and defaults to United States English.
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

    static LocaleConventions unitedStates() { return {}; }
};

} // namespace payvanta
