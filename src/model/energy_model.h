#pragma once

#include "field.h"
#include "locale_conventions.h"
#include "project_record.h"

#include <array>

namespace payvanta {

// Fraction of the motor's rated power drawn in speed points 1 to 5 (index 0 to 4).
using SpeedPointFactors = std::array<double, 5>;

struct FactorTables {
    SpeedPointFactors dccpFactorBridge{};
    SpeedPointFactors qvrFactorBridge{};
    SpeedPointFactors dccpFactorTrolley{};
    SpeedPointFactors qvrFactorTrolley{};
    SpeedPointFactors dccpFactorHoist{};
    SpeedPointFactors qvrFactorHoist{};
    SpeedPointFactors dccpFactorLower{};
    SpeedPointFactors qvrFactorLower{};
};

// The energy results of one motion, in kW-hr, kept from one calculation to the next.
// The trolley and the bridge use the per-move pair, the hoist the hoisting and lowering
// pairs; all three use the per-cycle, per-turn and savings results.
struct MotionEnergy {
    double dccpKwHrPerMove = 0;
    double qvrKwHrPerMove = 0;
    double dccpKwHrHoisting = 0;
    double qvrKwHrHoisting = 0;
    double dccpKwHrLowering = 0;
    double qvrKwHrLowering = 0;
    double dccpKwHrPerCycle = 0;
    double dccpKwHrPerTurn = 0;
    double qvrKwHrPerCycle = 0;
    double qvrKwHrPerTurn = 0;
    double savingsKwHrPerTurn = 0;
};

// Estimates the energy of each motion under resistor-and-contactor control (DCCP) and
// under the QVR drive: in each speed point the motion draws a fixed multiple of the
// motor's rated power for the time the duty cycle gives that point.
class EnergyModel {
public:
    static constexpr double kTurnsPerDay = 3.0;
    // 356, not 365: every yearly figure of the program, printed or saved, counts a year
    // of 356 days, so that figures stay comparable with quotes made before.
    static constexpr double kDaysPerYear = 356.0;

    void loadBridgeFactors();
    void loadTrolleyFactors();
    void loadHoistFactors();

    // Each computes its motion's results and then the yearly energy savings of all three
    // motions. Each stops silently at the first value it cannot read or compute, keeping
    // whatever it had not yet replaced: the result is then false.
    bool calcBridgeEnergy(const ProjectRecord& record, const LocaleConventions& locale);
    bool calcTrolleyEnergy(const ProjectRecord& record, const LocaleConventions& locale);
    bool calcHoistEnergy(const ProjectRecord& record, const LocaleConventions& locale);

    const FactorTables& factors() const { return factors_; }
    const MotionEnergy& results(Motion m) const { return results_[static_cast<std::size_t>(m)]; }
    // The yearly energy savings in dollars of the last calculation that finished.
    double yearlySavings() const { return yearlySavings_; }

    // Rated power in kW: volts / amperes as ohms, times amperes squared, over 1000.
    static double ratedKw(double volts, double amperes);

private:
    bool calcTravelEnergy(Motion m, const SpeedPointFactors& dccp, const SpeedPointFactors& qvr,
                          const ProjectRecord& record, const LocaleConventions& locale);
    void updateYearlySavings(const ProjectRecord& record, const LocaleConventions& locale);
    MotionEnergy& resultsOf(Motion m) { return results_[static_cast<std::size_t>(m)]; }

    FactorTables factors_;
    std::array<MotionEnergy, 3> results_{};
    double yearlySavings_ = 0;
};

} // namespace payvanta
