#include "energy_model.h"

#include "calc_steps.h"

#include <initializer_list>

namespace payvanta {

using namespace calc;

namespace {

constexpr double kWattsPerKw = 1000.0;
constexpr double kSecondsPerHour = 3600.0;
// Trolley and bridge: each speed point draws twice the tabled power, and a cycle moves
// there and back.
constexpr double kTravelFactor = 2;

// One energy total of a motion: the tabled power factors of its speed points, and what
// the power of each point is multiplied by besides.
struct StepEnergy {
    double& kwHr;
    const SpeedPointFactors& factors;
    double multiple = 1;
};

// Sums each total over the five duty-cycle steps: the step's seconds at the power its
// speed point draws, in kW-hr. The totals start at 0 and grow step by step together, so
// that a stop at an unreadable step leaves each with the steps before it.
void sumStepEnergy(const Reader& num, Motion m, double ratedKw,
                   std::initializer_list<StepEnergy> totals) {
    for (const StepEnergy& t : totals) {
        t.kwHr = 0;
    }
    for (int i = 1; i <= 5; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const Field step = dutyCycleField(m, i);
        for (const StepEnergy& t : totals) {
            t.kwHr = add(t.kwHr, div(mul(num(step), mul(mul(ratedKw, t.factors[k]), t.multiple)),
                                     kSecondsPerHour));
        }
    }
}

} // namespace

void EnergyModel::loadBridgeFactors() {
    factors_.dccpFactorBridge = {0.4585, 0.406, 0.3955, 0.3857, 0.3542};
    factors_.qvrFactorBridge = {0.119448, 0.205848, 0.232848, 0.259848, 0.273348};
}

void EnergyModel::loadTrolleyFactors() {
    factors_.dccpFactorTrolley = {0.4585, 0.406, 0.3955, 0.3857, 0.3542};
    factors_.qvrFactorTrolley = {0.119448, 0.205848, 0.232848, 0.259848, 0.273348};
}

void EnergyModel::loadHoistFactors() {
    factors_.dccpFactorHoist = {1.7642, 1.742325, 1.73795, 1.731825, 1.3742};
    factors_.qvrFactorHoist = {0.359448, 0.535848, 0.832848, 1.119848, 1.323348};
    factors_.dccpFactorLower = {2.475333, 2.474958, 1.669531, 2.825445, 0.2870728};
    // In four speed points the drive returns energy while lowering.
    factors_.qvrFactorLower = {0.016433, -0.105792, -0.438372, -0.844968, -1.26264};
}

double EnergyModel::ratedKw(double volts, double amperes) {
    const double ratedOhms = div(volts, amperes);
    return div(mul(ratedOhms, mul(amperes, amperes)), kWattsPerKw);
}

bool EnergyModel::calcBridgeEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    return calcTravelEnergy(Motion::Bridge, factors_.dccpFactorBridge, factors_.qvrFactorBridge,
                            record, locale);
}

bool EnergyModel::calcTrolleyEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    return calcTravelEnergy(Motion::Trolley, factors_.dccpFactorTrolley, factors_.qvrFactorTrolley,
                            record, locale);
}

bool EnergyModel::calcTravelEnergy(Motion m, const SpeedPointFactors& dccp,
                                   const SpeedPointFactors& qvr, const ProjectRecord& record,
                                   const LocaleConventions& locale) {
    const Reader num(record, locale);
    MotionEnergy& r = resultsOf(m);
    try {
        const double p = ratedKw(num(motorVoltsField(m)), num(motorFLCAmpsField(m)));
        sumStepEnergy(
            num, m, p,
            {{r.dccpKwHrPerMove, dccp, kTravelFactor}, {r.qvrKwHrPerMove, qvr, kTravelFactor}});
        const double motorsPerCycle = mul(num(numMotorField(m)), kTravelFactor);
        r.dccpKwHrPerCycle = mul(motorsPerCycle, r.dccpKwHrPerMove);
        r.dccpKwHrPerTurn = mul(num(Field::NumLifts), r.dccpKwHrPerCycle);
        r.qvrKwHrPerCycle = mul(mul(num(numMotorField(m)), kTravelFactor), r.qvrKwHrPerMove);
        r.qvrKwHrPerTurn = mul(num(Field::NumLifts), r.qvrKwHrPerCycle);
        r.savingsKwHrPerTurn = sub(r.dccpKwHrPerTurn, r.qvrKwHrPerTurn);
        updateYearlySavings(record, locale);
        return true;
    } catch (const CalcStop&) {
        // Stop silently: what was assigned stays, the rest keeps its previous value.
        return false;
    }
}

bool EnergyModel::calcHoistEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    const Reader num(record, locale);
    MotionEnergy& r = resultsOf(Motion::Hoist);
    const FactorTables& f = factors_;
    try {
        const double p = ratedKw(num(Field::MotorVoltsHoist), num(Field::MotorFLCAmpsHoist));
        sumStepEnergy(num, Motion::Hoist, p,
                      {{r.dccpKwHrHoisting, f.dccpFactorHoist},
                       {r.qvrKwHrHoisting, f.qvrFactorHoist},
                       {r.dccpKwHrLowering, f.dccpFactorLower},
                       {r.qvrKwHrLowering, f.qvrFactorLower}});
        r.dccpKwHrPerCycle =
            mul(num(Field::NumMotorHoist), add(r.dccpKwHrLowering, r.dccpKwHrHoisting));
        r.dccpKwHrPerTurn = mul(num(Field::NumLifts), r.dccpKwHrPerCycle);
        r.qvrKwHrPerCycle =
            mul(num(Field::NumMotorHoist), add(r.qvrKwHrLowering, r.qvrKwHrHoisting));
        r.qvrKwHrPerTurn = mul(num(Field::NumLifts), r.qvrKwHrPerCycle);
        r.savingsKwHrPerTurn = sub(r.dccpKwHrPerTurn, r.qvrKwHrPerTurn);
        updateYearlySavings(record, locale);
        return true;
    } catch (const CalcStop&) {
        return false; // stop silently, as above
    }
}

void EnergyModel::updateYearlySavings(const ProjectRecord& record,
                                      const LocaleConventions& locale) {
    const Reader num(record, locale);
    const double savingsPerTurn = add(
        add(results(Motion::Bridge).savingsKwHrPerTurn, results(Motion::Hoist).savingsKwHrPerTurn),
        results(Motion::Trolley).savingsKwHrPerTurn);
    yearlySavings_ =
        mul(num(Field::KwHrRate), mul(mul(savingsPerTurn, kTurnsPerDay), kDaysPerYear));
}

} // namespace payvanta
