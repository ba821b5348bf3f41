#include "business_case.h"

#include "number_text.h"

#include <cmath>
#include <initializer_list>

namespace payvanta {

namespace {

// A result that overflowed is no figure: it goes as the inputs that made it go.
Figure finiteOr(double value, NoFigure why) {
    return std::isfinite(value) ? Figure::of(value) : Figure::none(why);
}

Figure amountShown(const std::string& text, const LocaleConventions& locale) {
    const auto value = numbers::parse(text, locale);
    return value ? Figure::of(*value) : Figure::none(NoFigure::SavingsUnknown);
}

// An input as a number: its default when not entered, nothing when it breaks the rule.
template <typename Rule>
Figure inputOr(const BusinessCaseInputs& in, CaseInput input, double fallback,
               const LocaleConventions& locale, NoFigure why, Rule valid) {
    const std::string& text = in.get(input);
    if (text.empty()) {
        return Figure::of(fallback);
    }
    const auto value = numbers::parse(text, locale);
    return value && valid(*value) ? Figure::of(*value) : Figure::none(why);
}

} // namespace

Figure simplePayback(const Figure& netCost, const Figure& yearly) {
    if (!netCost.has()) {
        return Figure::none(netCost.why);
    }
    if (!yearly.has()) {
        return Figure::none(yearly.why);
    }
    if (*yearly.value == 0) {
        return Figure::none(NoFigure::NoSavings);
    }
    if (*yearly.value < 0) {
        return Figure::none(NoFigure::NegativeSavings);
    }
    if (*netCost.value <= 0) {
        return Figure::of(0); // the rebate covers the cost: paid back at once
    }
    return finiteOr(*netCost.value / *yearly.value, NoFigure::NoSavings);
}

namespace {

// Why a figure made of these cannot be had: the first of them that is missing decides.
std::optional<NoFigure> missing(std::initializer_list<const Figure*> figures) {
    for (const Figure* f : figures) {
        if (!f->has()) {
            return f->why;
        }
    }
    return std::nullopt;
}

} // namespace

YearsAndMonths yearsAndMonths(double years) {
    const auto months = static_cast<long long>(numbers::roundHalfAway(years * 12, 0));
    return {months / 12, static_cast<int>(months % 12)};
}

BusinessCase computeBusinessCase(const SavingsModel& model) {
    const LocaleConventions& locale = model.locale();
    const BusinessCaseInputs& in = model.record.businessCase();
    BusinessCase bc;

    bc.energy = amountShown(model.summary.lblSummaryEnergy, locale);
    bc.maintenance = amountShown(model.summary.lblSumaryMaintenance, locale);
    bc.inventory = amountShown(model.summary.lblSummaryInventory, locale);
    bc.total = amountShown(model.summary.lblSummaryTotal, locale);

    // The energy model's year, in the order the model sums the motions.
    const auto perYear = [](double perTurn) {
        return perTurn * EnergyModel::kTurnsPerDay * EnergyModel::kDaysPerYear;
    };
    const auto savedPerTurn = [&](Motion m) { return model.energy.results(m).SavingsKwHrPerTurn; };
    const double perTurn =
        savedPerTurn(Motion::Bridge) + savedPerTurn(Motion::Hoist) + savedPerTurn(Motion::Trolley);
    bc.kwhPerYear = perYear(perTurn);
    const auto rate = model.record.number(Field::KwHrRate, locale);
    for (const Motion m : kMotions) {
        const double amount = rate ? *rate * perYear(savedPerTurn(m)) : 0;
        bc.energyByMotion[static_cast<std::size_t>(m)] = std::isfinite(amount) ? amount : 0;
    }

    // The cost: the three parts less the rebate, once any of them is entered.
    bool costEntered = false;
    bool costReadable = true;
    double net = 0;
    constexpr std::array<CaseInput, 4> kParts{CaseInput::DriveCost, CaseInput::InstallationCost,
                                              CaseInput::EngineeringCost, CaseInput::Rebate};
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const std::string& text = in.get(kParts[i]);
        if (text.empty()) {
            bc.costParts[i] = Figure::none(NoFigure::NoCost);
            continue;
        }
        costEntered = true;
        const auto value = numbers::parse(text, locale);
        if (!value) {
            bc.costParts[i] = Figure::none(NoFigure::CostNotNumber);
            costReadable = false;
            continue;
        }
        bc.costParts[i] = Figure::of(*value);
        net += kParts[i] == CaseInput::Rebate ? -*value : *value;
    }
    bc.netCost = !costEntered    ? Figure::none(NoFigure::NoCost)
                 : !costReadable ? Figure::none(NoFigure::CostNotNumber)
                                 : finiteOr(net, NoFigure::CostNotNumber);

    bc.life = inputOr(in, CaseInput::ProjectLife, kDefaultProjectLife, locale, NoFigure::BadLife,
                      [](double v) { return v >= 1 && v <= kLongestLife && v == std::floor(v); });
    bc.discountRate = inputOr(in, CaseInput::DiscountRate, kDefaultDiscountRate, locale,
                              NoFigure::BadDiscountRate, [](double v) { return v > -100; });
    bc.co2Factor = inputOr(in, CaseInput::Co2Factor, kDefaultCo2Factor, locale,
                           NoFigure::BadCo2Factor, [](double v) { return v >= 0; });
    bc.co2FactorEntered = !in.get(CaseInput::Co2Factor).empty();

    bc.payback = simplePayback(bc.netCost, bc.total);
    if (const auto why = missing({&bc.total, &bc.life})) {
        bc.lifeSavings = Figure::none(*why);
    } else {
        bc.lifeSavings = finiteOr(*bc.total.value * *bc.life.value, NoFigure::SavingsUnknown);
    }
    if (const auto why = missing({&bc.netCost, &bc.total, &bc.life})) {
        bc.roi = bc.npv = Figure::none(*why);
    } else {
        const double c = *bc.netCost.value;
        const double s = *bc.total.value;
        const auto years = static_cast<int>(*bc.life.value);
        bc.roi = c <= 0 ? Figure::none(NoFigure::CostCovered)
                        : finiteOr((s * years - c) / c * 100, NoFigure::CostNotNumber);
        if (bc.discountRate.has()) {
            const double growth = 1 + *bc.discountRate.value / 100;
            double presentValue = 0;
            double discount = 1;
            for (int t = 1; t <= years; ++t) {
                discount /= growth;
                presentValue += s * discount;
            }
            bc.npv = finiteOr(presentValue - c, NoFigure::BadDiscountRate);
        } else {
            bc.npv = Figure::none(bc.discountRate.why);
        }
    }
    if (!missing({&bc.total, &bc.life}) &&
        (bc.netCost.has() || bc.netCost.why == NoFigure::NoCost)) {
        const double start = bc.netCost.has() ? -*bc.netCost.value : 0;
        for (int t = 0; t <= static_cast<int>(*bc.life.value); ++t) {
            bc.cumulativeCashFlow.push_back(start + *bc.total.value * t);
        }
    }

    if (bc.co2Factor.has()) {
        const double tonnes = bc.kwhPerYear * *bc.co2Factor.value * kTonnesPerPound;
        bc.co2PerYear = finiteOr(tonnes, NoFigure::BadCo2Factor);
        bc.co2OverLife = bc.life.has() ? finiteOr(tonnes * *bc.life.value, NoFigure::BadCo2Factor)
                                       : Figure::none(bc.life.why);
    } else {
        bc.co2PerYear = bc.co2OverLife = Figure::none(bc.co2Factor.why);
    }

    // The rate moves the energy amount only; each amount is rounded as the summary
    // rounds it, so that the row of the project's own rate is the summary's total.
    const auto others = missing({&bc.maintenance, &bc.inventory});
    for (std::size_t k = 0; k < bc.rateCases.size(); ++k) {
        RateCase& row = bc.rateCases[k];
        row.changePercent = (static_cast<int>(k) - 3) * 10;
        if (!rate) {
            row.rate = row.yearlySavings = row.payback = Figure::none(NoFigure::BadRate);
            continue;
        }
        const double moved = *rate * (1 + row.changePercent / 100.0);
        row.rate = Figure::of(moved);
        const double energy = moved * perYear(perTurn);
        if (others || !std::isfinite(energy)) {
            row.yearlySavings = Figure::none(others.value_or(NoFigure::BadRate));
        } else {
            const double shown = numbers::roundHalfAway(energy, 2);
            row.yearlySavings = Figure::of(
                numbers::roundHalfAway(*bc.inventory.value + *bc.maintenance.value + shown, 2));
        }
        row.payback = simplePayback(bc.netCost, row.yearlySavings);
    }

    if (const auto why = missing({&bc.netCost, &bc.life, &bc.maintenance, &bc.inventory})) {
        bc.breakEvenRate = Figure::none(*why);
    } else if (*bc.netCost.value <= 0) {
        bc.breakEvenRate = Figure::none(NoFigure::CostCovered);
    } else if (bc.kwhPerYear <= 0) {
        bc.breakEvenRate = Figure::none(NoFigure::NoEnergySaved);
    } else {
        const double needed =
            *bc.netCost.value / *bc.life.value - *bc.maintenance.value - *bc.inventory.value;
        bc.breakEvenRate = needed <= 0 ? Figure::none(NoFigure::AnyRate)
                                       : finiteOr(needed / bc.kwhPerYear, NoFigure::NoEnergySaved);
    }
    return bc;
}

} // namespace payvanta
