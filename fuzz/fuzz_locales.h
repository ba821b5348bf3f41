#pragma once

#include "model/locale_conventions.h"

// Conventions other than the default for the fuzz targets, which link no Qt: a decimal
// comma with points between the groups (German) or no-break spaces (French), the euro
// after the amount.
inline payvanta::LocaleConventions fuzzLocale(const char* groupSeparator) {
    payvanta::LocaleConventions c;
    c.decimalPoint = ",";
    c.groupSeparator = groupSeparator;
    c.currencySymbol = "\u20AC";
    c.positiveCurrencyPattern = "n $";
    c.negativeCurrencyPattern = "-n $";
    return c;
}
