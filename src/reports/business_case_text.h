#pragma once

#include "model/business_case.h"
#include "model/locale_conventions.h"

#include <string>

// The words the business case is told in, on its page and by payvanta-calc.
namespace payvanta::reports {

// Why a figure cannot be had, short enough for the figure's place: "no cost entered",
// "none: savings below zero", ...
std::string whyNot(NoFigure why);

// "1 year", "15 years".
std::string inWholeYears(double years, const LocaleConventions& locale);

// A payback: "3 years 5 months", with full "3.4 years (3 years 5 months)"; "at once" when
// the rebate covers the cost, and why there is none when there is none. When it takes
// longer than the life, the short form says so too.
std::string paybackText(const Figure& payback, const Figure& netCost, const Figure& life,
                        const LocaleConventions& locale, bool full);

} // namespace payvanta::reports
