#include "model/energy_model.h"
#include "model/number_text.h"
#include "support/example_project.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

class EnergyModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        energy.loadBridgeFactors();
        energy.loadTrolleyFactors();
        energy.loadHoistFactors();
        test::fillCompleteProject(record);
    }
    // Shows the yearly amount as the summary does, when the calculation finished.
    void shown(bool finished) {
        if (finished) {
            summary = numbers::format(energy.yearlySavings(), numbers::kCurrency, locale);
        }
    }
    void bridge() { shown(energy.calcBridgeEnergy(record, locale)); }
    void trolley() { shown(energy.calcTrolleyEnergy(record, locale)); }
    void hoist() { shown(energy.calcHoistEnergy(record, locale)); }
    void calcAll() {
        bridge();
        trolley();
        hoist();
    }

    EnergyModel energy;
    ProjectRecord record;
    LocaleConventions locale = LocaleConventions::unitedStates();
    std::string summary;
};

TEST_F(EnergyModelTest, bridge_worked_example_and_the_motions_without_motor_add_nothing) {
    test::removeMotor(record, Motion::Trolley);
    test::removeMotor(record, Motion::Hoist);
    record.set(Field::NumMotorBridge, "2");
    calcAll();
    const MotionEnergy& b = energy.results(Motion::Bridge);
    EXPECT_NEAR(b.dccpKwHrPerMove, 0.1387015, 1e-12);
    EXPECT_NEAR(b.qvrKwHrPerMove, 0.1012644, 1e-12);
    EXPECT_NEAR(b.dccpKwHrPerCycle, 0.554806, 1e-12);
    EXPECT_NEAR(b.qvrKwHrPerCycle, 0.4050576, 1e-12);
    EXPECT_NEAR(b.dccpKwHrPerTurn, 5.54806, 1e-11);
    EXPECT_NEAR(b.qvrKwHrPerTurn, 4.050576, 1e-11);
    EXPECT_NEAR(b.savingsKwHrPerTurn, 1.497484, 1e-11);
    EXPECT_EQ(summary, "$159.93");
    const MotionEnergy& t = energy.results(Motion::Trolley);
    EXPECT_EQ(t.dccpKwHrPerMove + t.qvrKwHrPerTurn + t.savingsKwHrPerTurn, 0.0);
    EXPECT_EQ(energy.results(Motion::Hoist).savingsKwHrPerTurn, 0.0);
}

TEST_F(EnergyModelTest, hoist_worked_example_to_nine_decimals) {
    test::removeMotor(record, Motion::Trolley);
    test::removeMotor(record, Motion::Bridge);
    calcAll();
    const MotionEnergy& h = energy.results(Motion::Hoist);
    EXPECT_NEAR(h.dccpKwHrHoisting, 0.272840694, 5e-10);
    EXPECT_NEAR(h.qvrKwHrHoisting, 0.238018311, 5e-10);
    EXPECT_NEAR(h.dccpKwHrLowering, 0.108030743, 5e-10);
    EXPECT_NEAR(h.qvrKwHrLowering, -0.218508555, 5e-10);
    EXPECT_NEAR(h.dccpKwHrPerCycle, 0.380871438, 5e-10);
    EXPECT_NEAR(h.qvrKwHrPerCycle, 0.019509756, 5e-10);
    EXPECT_NEAR(h.savingsKwHrPerTurn, 3.613616812, 5e-9);
    // 3.613616812 kW-hr per turn x 3 x 356 x 0.10
    EXPECT_EQ(summary, "$385.93");
}

TEST_F(EnergyModelTest, an_empty_step_stops_that_motion_and_leaves_the_summary_as_it_was) {
    calcAll();
    const std::string before = summary;
    const MotionEnergy trolleyBefore = energy.results(Motion::Trolley);
    record.set(Field::DutyCycleTrolley3, "");
    record.set(Field::NumLifts, "20"); // would change every per-turn result
    bridge();
    const std::string afterBridge = summary;
    EXPECT_NE(afterBridge, before);
    trolley();
    EXPECT_EQ(summary, afterBridge);
    const MotionEnergy& t = energy.results(Motion::Trolley);
    // Steps 1 and 2 were added before step 3 stopped it; the later results are old.
    EXPECT_NEAR(t.dccpKwHrPerMove, 23 * 0.4585 * 2 / 3600 + 23 * 0.406 * 2 / 3600, 1e-15);
    EXPECT_EQ(t.dccpKwHrPerTurn, trolleyBefore.dccpKwHrPerTurn);
    EXPECT_EQ(t.savingsKwHrPerTurn, trolleyBefore.savingsKwHrPerTurn);
}

TEST_F(EnergyModelTest, zero_full_load_current_stops_before_any_result_changes) {
    calcAll();
    const MotionEnergy before = energy.results(Motion::Hoist);
    record.set(Field::MotorFLCAmpsHoist, "0");
    record.set(Field::NumLifts, "20");
    hoist();
    EXPECT_EQ(energy.results(Motion::Hoist).dccpKwHrHoisting, before.dccpKwHrHoisting);
    EXPECT_EQ(energy.results(Motion::Hoist).dccpKwHrPerTurn, before.dccpKwHrPerTurn);
}

TEST_F(EnergyModelTest, an_overflow_stops_silently) {
    record.set(Field::KwHrRate, "1e308");
    summary = "kept";
    bridge();
    EXPECT_EQ(summary, "kept");
}

} // namespace
