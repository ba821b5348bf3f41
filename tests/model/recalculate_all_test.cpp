#include "model/savings_model.h"

#include "support/example_project.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

class RecalculateAllTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::fillCompleteProject(model.record);
        model.record.set(Field::NumLifts, "100");
        model.state.RecalcEnabled = true;
    }
    SavingsModel model;
};

TEST_F(RecalculateAllTest, does_nothing_while_recalculation_is_disabled) {
    model.state.RecalcEnabled = false;
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryEnergy, "");
    EXPECT_EQ(model.summary.lblSumaryMaintenance, "");
    EXPECT_EQ(model.summary.lblSummaryInventory, "");
    EXPECT_EQ(model.summary.lblSummaryTotal, "");
    EXPECT_EQ(model.inventory.InventorySavingsTotal, 0.0);
}

TEST_F(RecalculateAllTest, fills_the_four_amounts_and_the_total_is_their_displayed_sum) {
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSumaryMaintenance, "$336.50");
    EXPECT_EQ(model.summary.lblSummaryInventory, "$529.00");
    // Energy: bridge and trolley 0.748742 each and hoist 3.613616812 kW-hr per turn at
    // 100 lifts, times 3 x 356 x 0.10.
    EXPECT_EQ(model.summary.lblSummaryEnergy, "$5,458.66");
    EXPECT_EQ(model.summary.lblSummaryTotal, "$6,324.16");
}

TEST_F(RecalculateAllTest, total_is_formed_from_the_rounded_displayed_amounts) {
    model.RecalculateAll();
    model.summary.lblSummaryEnergy = "$234.56";
    // Let the energy model stop so that its displayed amount stays as set above.
    model.record.set(Field::MotorFLCAmpsBridge, "");
    model.record.set(Field::MotorFLCAmpsTrolley, "");
    model.record.set(Field::MotorFLCAmpsHoist, "");
    model.record.set(Field::MaintPerHour, "0");
    model.record.set(Field::ContactHoist, "0.01");
    model.record.set(Field::ContactTrolley, "0");
    model.record.set(Field::ContactBridge, "0");
    model.record.set(Field::BrakeShoe, "0");
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryInventory, "$0.09");
    EXPECT_EQ(model.summary.lblSummaryTotal, "$234.65");
}

TEST_F(RecalculateAllTest, the_total_is_the_sum_of_the_three_amounts_as_shown) {
    model.summary.lblSummaryEnergy = "$234.56";
    model.summary.lblSumaryMaintenance = "$100.00";
    model.summary.lblSummaryInventory = "$0.10";
    model.record.set(Field::NumLifts, ""); // every model stops and keeps its amount
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryEnergy, "$234.56");
    EXPECT_EQ(model.summary.lblSummaryTotal, "$334.66");
}

TEST_F(RecalculateAllTest, adds_a_negative_energy_amount_shown_in_parentheses) {
    model.record.set(Field::KwHrRate, "-0.10");
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryEnergy, "($5,458.66)");
    EXPECT_EQ(model.summary.lblSummaryTotal, "($4,593.16)");
}

TEST_F(RecalculateAllTest, a_model_that_cannot_finish_keeps_its_amount_and_the_others_still_run) {
    model.RecalculateAll();
    model.record.set(Field::DutyCycleHoist2, "");  // hoist energy stops
    model.record.set(Field::MaintPerHour, "100");   // maintenance doubles
    model.RecalculateAll();
    // The hoist stopped, so the energy amount is the one the trolley step wrote: the
    // hoist's previous savings with the travel motions' current ones.
    EXPECT_EQ(model.summary.lblSummaryEnergy, "$5,458.66");
    EXPECT_EQ(model.summary.lblSumaryMaintenance, "$673.00");
    EXPECT_EQ(model.summary.lblSummaryTotal, "$6,660.66");
}

TEST_F(RecalculateAllTest, an_amount_that_was_never_computed_leaves_the_total_empty) {
    model.record.set(Field::ShoeLife, "");
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryInventory, "");
    EXPECT_EQ(model.summary.lblSummaryTotal, "");
    EXPECT_NE(model.summary.lblSummaryEnergy, "");
}

TEST(SavingsModelLocale, writes_every_amount_in_the_locales_currency_form) {
    SavingsModel model(LocaleConventions::german());
    test::fillCompleteProject(model.record);
    model.record.set(Field::NumLifts, "100");
    model.record.set(Field::KwHrRate, "0,10");
    model.state.RecalcEnabled = true;
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSumaryMaintenance, "336,50 \u20AC");
    EXPECT_EQ(model.summary.lblSummaryEnergy, "5.458,66 \u20AC");
    EXPECT_EQ(model.summary.lblSummaryTotal, "6.324,16 \u20AC");
}

} // namespace
