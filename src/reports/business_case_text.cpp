#include "business_case_text.h"

#include "model/number_text.h"

#include <algorithm>

namespace payvanta::reports {

namespace {

constexpr numbers::NumberFormat kWhole{0, true, false};

std::string plural(long long n, std::string_view one, std::string_view many,
                   const LocaleConventions& locale) {
    return numbers::format(static_cast<double>(n), kWhole, locale) + " " +
           std::string(n == 1 ? one : many);
}

// A bound of a range, whole as every bound is: "100,000,000", "-50".
std::string bound(double value, const LocaleConventions& locale) {
    return numbers::format(value, kWhole, locale);
}

} // namespace

std::string whyNot(const Figure& figure, const LocaleConventions& locale) {
    switch (figure.why) {
    case NoFigure::SavingsUnknown:
        return "savings not computed yet";
    case NoFigure::NoCost:
        return "no cost entered";
    case NoFigure::InputNotNumber:
        return std::string(caseInputRange(figure.input).name) + " is not a number";
    case NoFigure::InputOutOfRange: {
        const CaseInputRange& range = caseInputRange(figure.input);
        return std::string(range.name) + " must be " + bound(range.low, locale) + " to " +
               bound(range.high, locale) + (range.whole ? " whole" : "") + std::string(range.unit);
    }
    case NoFigure::TooLarge:
        return "too large to compute";
    case NoFigure::NoSavings:
        return "none: nothing saved a year";
    case NoFigure::NegativeSavings:
        return "none: savings below zero";
    case NoFigure::CostCovered:
        return "none: no net cost";
    case NoFigure::BadRate:
        return "kW-hr rate is not a number";
    case NoFigure::NoEnergySaved:
        return "none: no energy is saved";
    case NoFigure::AnyRate:
        return "any rate pays back within the life";
    case NoFigure::None:
        break;
    }
    return {};
}

std::string inputRangeText(CaseInput input, const LocaleConventions& locale) {
    const CaseInputRange& range = caseInputRange(input);
    return std::string(range.whole ? "a whole number" : "a number") + " from " +
           bound(range.low, locale) + " to " + bound(range.high, locale) + std::string(range.unit);
}

std::string inWholeYears(double years, const LocaleConventions& locale) {
    return plural(static_cast<long long>(years), "year", "years", locale);
}

std::string paybackText(const Figure& payback, const Figure& netCost, const Figure& life,
                        const LocaleConventions& locale, bool full) {
    if (!payback.has()) {
        return whyNot(payback, locale);
    }
    const double years = *payback.value;
    if (years == 0) {
        return netCost.value.value_or(0) < 0 ? "at once: rebate exceeds cost"
                                             : "at once: no net cost";
    }
    if (years * 12 < 1) {
        return "less than a month";
    }
    const YearsAndMonths ym = yearsAndMonths(std::min(years, kLongestPayback + 1.0));
    if (ym.years * 12 + ym.months > kLongestPayback * 12) {
        return "more than " + plural(kLongestPayback, "", "years", locale);
    }
    std::string text = ym.years == 0 ? plural(ym.months, "month", "months", locale)
                                     : plural(ym.years, "year", "years", locale);
    if (ym.years != 0 && ym.months != 0) {
        text += " " + plural(ym.months, "month", "months", locale);
    }
    if (full) {
        text = numbers::format(years, numbers::NumberFormat::named("##,##0.0"), locale) +
               " years (" + text + ")";
    }
    if (!full && life.has() && !paysBackWithin(years, *life.value)) {
        text += ", longer than the life";
    }
    return text;
}

} // namespace payvanta::reports
