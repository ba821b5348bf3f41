#pragma once

#include "model/business_case.h"
#include "model/locale_conventions.h"

#include <string>

// The words the business case is told in, on its page and by payvanta-calc.
namespace payvanta::reports {

// Why a figure cannot be had, short enough for the figure's place: "no cost entered",
// "none: savings below zero", "Discount Rate is not a number", "Project Life must be 1 to
// 100 whole years", ...
std::string whyNot(const Figure& figure, const LocaleConventions& locale);

// The range of a number input as the messages that refuse it give it: "a number from 0 to
// 100,000,000", "a whole number from 1 to 100 years".
std::string inputRangeText(CaseInput input, const LocaleConventions& locale);

// "1 year", "15 years".
std::string inWholeYears(double years, const LocaleConventions& locale);

// A payback: "3 years 5 months", with full "3.4 years (3 years 5 months)"; "less than a
// month", "more than 1,000 years"; "at once" when the rebate covers the cost, and why
// there is none when there is none. When it takes longer than the life as shown, the short
// form says so too.
std::string paybackText(const Figure& payback, const Figure& netCost, const Figure& life,
                        const LocaleConventions& locale, bool full);

} // namespace payvanta::reports
