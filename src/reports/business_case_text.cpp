#include "business_case_text.h"

#include "model/number_text.h"

namespace payvanta::reports {

namespace {

constexpr numbers::NumberFormat kWhole{0, true, false};

std::string plural(long long n, std::string_view one, std::string_view many,
                   const LocaleConventions& locale) {
    return numbers::format(static_cast<double>(n), kWhole, locale) + " " +
           std::string(n == 1 ? one : many);
}

} // namespace

std::string whyNot(NoFigure why) {
    switch (why) {
    case NoFigure::SavingsUnknown:
        return "savings not computed yet";
    case NoFigure::NoCost:
        return "no cost entered";
    case NoFigure::CostNotNumber:
        return "a cost is not a number";
    case NoFigure::NoSavings:
        return "none: nothing saved a year";
    case NoFigure::NegativeSavings:
        return "none: savings below zero";
    case NoFigure::CostCovered:
        return "none: no net cost";
    case NoFigure::BadLife:
        return "life must be 1 to 100 years";
    case NoFigure::BadDiscountRate:
        return "rate must be above -100 %";
    case NoFigure::BadCo2Factor:
        return "factor must be 0 or more";
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

std::string inWholeYears(double years, const LocaleConventions& locale) {
    return plural(static_cast<long long>(years), "year", "years", locale);
}

std::string paybackText(const Figure& payback, const Figure& netCost, const Figure& life,
                        const LocaleConventions& locale, bool full) {
    if (!payback.has()) {
        return whyNot(payback.why);
    }
    const double years = *payback.value;
    if (years == 0) {
        return netCost.value.value_or(0) < 0 ? "at once: rebate exceeds cost"
                                             : "at once: no net cost";
    }
    if (years >= 1000) {
        return "more than " +
               numbers::format(1000, numbers::NumberFormat::named("##,##0"), locale) + " years";
    }
    const YearsAndMonths ym = yearsAndMonths(years);
    std::string text = ym.years == 0 ? plural(ym.months, "month", "months", locale)
                                     : plural(ym.years, "year", "years", locale);
    if (ym.years != 0 && ym.months != 0) {
        text += " " + plural(ym.months, "month", "months", locale);
    }
    if (full) {
        text = numbers::format(years, numbers::NumberFormat::named("##,##0.0"), locale) +
               " years (" + text + ")";
    }
    if (!full && life.has() && years > *life.value) {
        text += ", longer than the life";
    }
    return text;
}

} // namespace payvanta::reports
