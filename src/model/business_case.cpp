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

// An input read against its range: what it holds, or why it cannot be had.
Figure inputFigure(const BusinessCaseInputs& in, CaseInput input, const Figure& notEntered,
                   const LocaleConventions& locale) {
    const CheckedInput checked = checkCaseInput(input, in.get(input), locale);
    switch (checked.state) {
    case InputState::NotEntered:
        return notEntered;
    case InputState::Valid:
        break;
    case InputState::NotNumber:
        return Figure::badInput(NoFigure::InputNotNumber, input);
    case InputState::OutOfRange:
        return Figure::badInput(NoFigure::InputOutOfRange, input);
    }
    return Figure::of(checked.value);
}

} // namespace

Figure simplePayback(const Figure& netCost, const Figure& yearly) {
    if (!netCost.has()) {
        return netCost;
    }
    if (!yearly.has()) {
        return yearly;
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
    return finiteOr(*netCost.value / *yearly.value, NoFigure::TooLarge);
}

namespace {

// A figure made of these cannot be had when one of them cannot: the first such decides
// why.
const Figure* missing(std::initializer_list<const Figure*> figures) {
    for (const Figure* f : figures) {
        if (!f->has()) {
            return f;
        }
    }
    return nullptr;
}

} // namespace

YearsAndMonths yearsAndMonths(double years) {
    const auto months = static_cast<long long>(numbers::roundHalfAway(years * 12, 0));
    return {months / 12, static_cast<int>(months % 12)};
}

bool paysBackWithin(double paybackYears, double lifeYears) {
    // Past the longest payback told in months, the years alone compare.
    if (paybackYears > kLongestPayback) {
        return paybackYears <= lifeYears;
    }
    const YearsAndMonths shown = yearsAndMonths(paybackYears);
    return shown.years * 12 + shown.months <= static_cast<long long>(lifeYears) * 12;
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
    const auto savedPerTurn = [&](Motion m) { return model.energy.results(m).savingsKwHrPerTurn; };
    const double perTurn =
        savedPerTurn(Motion::Bridge) + savedPerTurn(Motion::Hoist) + savedPerTurn(Motion::Trolley);
    bc.kwhPerYear = perYear(perTurn);
    const auto rate = model.record.number(Field::KwHrRate, locale);
    for (const Motion m : kMotions) {
        const double amount = rate ? *rate * perYear(savedPerTurn(m)) : 0;
        bc.energyByMotion[static_cast<std::size_t>(m)] = std::isfinite(amount) ? amount : 0;
    }

    // The cost: the three parts less the rebate, once any of them is entered; the first
    // part that cannot be had says why. The net cost is taken as the page shows it, to the
    // cent.
    const Figure* badPart = nullptr;
    bool costEntered = false;
    double net = 0;
    constexpr std::array<CaseInput, 4> kParts{CaseInput::DriveCost, CaseInput::InstallationCost,
                                              CaseInput::EngineeringCost, CaseInput::Rebate};
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        Figure& part = bc.costParts[i];
        part = inputFigure(in, kParts[i], Figure::none(NoFigure::NoCost), locale);
        costEntered = costEntered || part.why != NoFigure::NoCost;
        if (part.has()) {
            net += kParts[i] == CaseInput::Rebate ? -*part.value : *part.value;
        } else if (part.why != NoFigure::NoCost && badPart == nullptr) {
            badPart = &part;
        }
    }
    bc.netCost = !costEntered         ? Figure::none(NoFigure::NoCost)
                 : badPart != nullptr ? *badPart
                                      : Figure::of(numbers::roundHalfAway(net, 2));

    bc.life = inputFigure(in, CaseInput::ProjectLife, Figure::of(kDefaultProjectLife), locale);
    bc.discountRate =
        inputFigure(in, CaseInput::DiscountRate, Figure::of(kDefaultDiscountRate), locale);
    bc.co2Factor = inputFigure(in, CaseInput::Co2Factor, Figure::of(kDefaultCo2Factor), locale);
    bc.co2FactorEntered = !in.get(CaseInput::Co2Factor).empty();

    bc.payback = simplePayback(bc.netCost, bc.total);
    if (const Figure* why = missing({&bc.total, &bc.life})) {
        bc.lifeSavings = *why;
    } else {
        bc.lifeSavings = finiteOr(*bc.total.value * *bc.life.value, NoFigure::TooLarge);
    }
    if (const Figure* why = missing({&bc.netCost, &bc.total, &bc.life})) {
        bc.roi = bc.npv = *why;
    } else {
        const double c = *bc.netCost.value;
        const double s = *bc.total.value;
        const auto years = static_cast<int>(*bc.life.value);
        bc.roi = c <= 0 ? Figure::none(NoFigure::CostCovered)
                        : finiteOr((s * years - c) / c * 100, NoFigure::TooLarge);
        if (bc.discountRate.has()) {
            const double growth = 1 + *bc.discountRate.value / 100;
            double presentValue = 0;
            double discount = 1;
            for (int t = 1; t <= years; ++t) {
                discount /= growth;
                presentValue += s * discount;
            }
            bc.npv = finiteOr(presentValue - c, NoFigure::TooLarge);
        } else {
            bc.npv = bc.discountRate;
        }
    }
    // Every point lies between -C and S x L - C, both finite.
    if (bc.lifeSavings.has() && (bc.netCost.has() || bc.netCost.why == NoFigure::NoCost)) {
        const double start = bc.netCost.has() ? -*bc.netCost.value : 0;
        for (int t = 0; t <= static_cast<int>(*bc.life.value); ++t) {
            bc.cumulativeCashFlow.push_back(start + *bc.total.value * t);
        }
    }

    if (bc.co2Factor.has()) {
        const double tonnes = bc.kwhPerYear * *bc.co2Factor.value * kTonnesPerPound;
        bc.co2PerYear = finiteOr(tonnes, NoFigure::TooLarge);
        bc.co2OverLife =
            bc.life.has() ? finiteOr(tonnes * *bc.life.value, NoFigure::TooLarge) : bc.life;
    } else {
        bc.co2PerYear = bc.co2OverLife = bc.co2Factor;
    }

    // The rate moves the energy amount only; each amount is rounded as the summary
    // rounds it, so that the row of the project's own rate is the summary's total.
    const Figure* others = missing({&bc.maintenance, &bc.inventory});
    for (std::size_t k = 0; k < bc.rateCases.size(); ++k) {
        RateCase& row = bc.rateCases[k];
        row.changePercent = (static_cast<int>(k) - 3) * 10;
        if (!rate) {
            row.rate = row.yearlySavings = row.payback = Figure::none(NoFigure::BadRate);
            continue;
        }
        const double moved = *rate * (1 + row.changePercent / 100.0);
        row.rate = finiteOr(moved, NoFigure::TooLarge);
        const double energy = moved * perYear(perTurn);
        if (others != nullptr) {
            row.yearlySavings = *others;
        } else if (!std::isfinite(energy)) {
            row.yearlySavings = Figure::none(NoFigure::TooLarge);
        } else {
            const double shown = numbers::roundHalfAway(energy, 2);
            row.yearlySavings = Figure::of(
                numbers::roundHalfAway(*bc.inventory.value + *bc.maintenance.value + shown, 2));
        }
        row.payback = simplePayback(bc.netCost, row.yearlySavings);
    }

    if (const Figure* why = missing({&bc.netCost, &bc.life, &bc.maintenance, &bc.inventory})) {
        bc.breakEvenRate = *why;
    } else if (*bc.netCost.value <= 0) {
        bc.breakEvenRate = Figure::none(NoFigure::CostCovered);
    } else if (bc.kwhPerYear <= 0) {
        bc.breakEvenRate = Figure::none(NoFigure::NoEnergySaved);
    } else {
        const double needed =
            *bc.netCost.value / *bc.life.value - *bc.maintenance.value - *bc.inventory.value;
        bc.breakEvenRate = needed <= 0 ? Figure::none(NoFigure::AnyRate)
                                       : finiteOr(needed / bc.kwhPerYear, NoFigure::TooLarge);
    }
    return bc;
}

} // namespace payvanta
