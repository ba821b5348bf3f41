#include "energy_model.h"

#include "calc_steps.h"

namespace payvanta {

using namespace calc;

namespace {

constexpr double kWattsPerKw = 1000.0;
constexpr double kSecondsPerHour = 3600.0;
// Trolley and bridge: each speed point draws twice the tabled power, and a cycle moves
// there and back.
constexpr double kTravelFactor = 2;

} // namespace

void EnergyModel::LoadBridgeFactors() {
    factors_.DccpFactorBridge = {0.4585, 0.406, 0.3955, 0.3857, 0.3542};
    factors_.QvrFactorBridge = {0.119448, 0.205848, 0.232848, 0.259848, 0.273348};
}

void EnergyModel::LoadTrolleyFactors() {
    factors_.DccpFactorTrolley = {0.4585, 0.406, 0.3955, 0.3857, 0.3542};
    factors_.QvrFactorTrolley = {0.119448, 0.205848, 0.232848, 0.259848, 0.273348};
}

void EnergyModel::LoadHoistFactors() {
    factors_.DccpFactorHoist = {1.7642, 1.742325, 1.73795, 1.731825, 1.3742};
    factors_.QvrFactorHoist = {0.359448, 0.535848, 0.832848, 1.119848, 1.323348};
    factors_.DccpFactorLower = {2.475333, 2.474958, 1.669531, 2.825445, 0.2870728};
    // In four speed points the drive returns energy while lowering.
    factors_.QvrFactorLower = {0.016433, -0.105792, -0.438372, -0.844968, -1.26264};
}

double EnergyModel::ratedKw(double volts, double amperes) {
    const double ratedOhms = div(volts, amperes);
    return div(mul(ratedOhms, mul(amperes, amperes)), kWattsPerKw);
}

bool EnergyModel::CalcBridgeEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    return calcTravelEnergy(Motion::Bridge, factors_.DccpFactorBridge, factors_.QvrFactorBridge,
                            record, locale);
}

bool EnergyModel::CalcTrolleyEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    return calcTravelEnergy(Motion::Trolley, factors_.DccpFactorTrolley, factors_.QvrFactorTrolley,
                            record, locale);
}

bool EnergyModel::calcTravelEnergy(Motion m, const SpeedPointFactors& dccp,
                                   const SpeedPointFactors& qvr, const ProjectRecord& record,
                                   const LocaleConventions& locale) {
    const Reader num(record, locale);
    MotionEnergy& r = resultsOf(m);
    try {
        const double p = ratedKw(num(motorVoltsField(m)), num(motorFLCAmpsField(m)));
        r.DccpKwHrPerMove = 0;
        r.QvrKwHrPerMove = 0;
        for (int i = 1; i <= 5; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            const Field step = dutyCycleField(m, i);
            r.DccpKwHrPerMove =
                add(r.DccpKwHrPerMove,
                    div(mul(num(step), mul(mul(p, dccp[k]), kTravelFactor)), kSecondsPerHour));
            r.QvrKwHrPerMove =
                add(r.QvrKwHrPerMove,
                    div(mul(num(step), mul(mul(p, qvr[k]), kTravelFactor)), kSecondsPerHour));
        }
        const double motorsPerCycle = mul(num(numMotorField(m)), kTravelFactor);
        r.DccpKwHrPerCycle = mul(motorsPerCycle, r.DccpKwHrPerMove);
        r.DccpKwHrPerTurn = mul(num(Field::NumLifts), r.DccpKwHrPerCycle);
        r.QvrKwHrPerCycle = mul(mul(num(numMotorField(m)), kTravelFactor), r.QvrKwHrPerMove);
        r.QvrKwHrPerTurn = mul(num(Field::NumLifts), r.QvrKwHrPerCycle);
        r.SavingsKwHrPerTurn = sub(r.DccpKwHrPerTurn, r.QvrKwHrPerTurn);
        updateYearlySavings(record, locale);
        return true;
    } catch (const CalcStop&) {
        // Stop silently: what was assigned stays, the rest keeps its previous value.
        return false;
    }
}

bool EnergyModel::CalcHoistEnergy(const ProjectRecord& record, const LocaleConventions& locale) {
    const Reader num(record, locale);
    MotionEnergy& r = resultsOf(Motion::Hoist);
    const FactorTables& f = factors_;
    try {
        const double p = ratedKw(num(Field::MotorVoltsHoist), num(Field::MotorFLCAmpsHoist));
        r.DccpKwHrHoisting = 0;
        r.QvrKwHrHoisting = 0;
        r.DccpKwHrLowering = 0;
        r.QvrKwHrLowering = 0;
        for (int i = 1; i <= 5; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            const Field step = dutyCycleField(Motion::Hoist, i);
            r.DccpKwHrHoisting =
                add(r.DccpKwHrHoisting,
                    div(mul(num(step), mul(p, f.DccpFactorHoist[k])), kSecondsPerHour));
            r.QvrKwHrHoisting =
                add(r.QvrKwHrHoisting,
                    div(mul(num(step), mul(p, f.QvrFactorHoist[k])), kSecondsPerHour));
            r.DccpKwHrLowering =
                add(r.DccpKwHrLowering,
                    div(mul(num(step), mul(p, f.DccpFactorLower[k])), kSecondsPerHour));
            r.QvrKwHrLowering =
                add(r.QvrKwHrLowering,
                    div(mul(num(step), mul(p, f.QvrFactorLower[k])), kSecondsPerHour));
        }
        r.DccpKwHrPerCycle =
            mul(num(Field::NumMotorHoist), add(r.DccpKwHrLowering, r.DccpKwHrHoisting));
        r.DccpKwHrPerTurn = mul(num(Field::NumLifts), r.DccpKwHrPerCycle);
        r.QvrKwHrPerCycle =
            mul(num(Field::NumMotorHoist), add(r.QvrKwHrLowering, r.QvrKwHrHoisting));
        r.QvrKwHrPerTurn = mul(num(Field::NumLifts), r.QvrKwHrPerCycle);
        r.SavingsKwHrPerTurn = sub(r.DccpKwHrPerTurn, r.QvrKwHrPerTurn);
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
        add(results(Motion::Bridge).SavingsKwHrPerTurn, results(Motion::Hoist).SavingsKwHrPerTurn),
        results(Motion::Trolley).SavingsKwHrPerTurn);
    yearlySavings_ =
        mul(num(Field::KwHrRate), mul(mul(savingsPerTurn, kTurnsPerDay), kDaysPerYear));
}

} // namespace payvanta
