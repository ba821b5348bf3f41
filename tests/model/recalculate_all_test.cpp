#include "model/savings_model.h"
#include "support/example_project.h"
#include "support/locales.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

class RecalculateAllTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::fillCompleteProject(model.record);
        model.record.set(Field::NumLifts, "100");
        model.state.recalcEnabled = true;
    }
    // The four summary texts: energy, maintenance, inventory, total.
    std::string shown() const {
        const SummaryTexts& s = model.summary;
        return s.lblSummaryEnergy + " | " + s.lblSumaryMaintenance + " | " + s.lblSummaryInventory +
               " | " + s.lblSummaryTotal;
    }
    SavingsModel model;
};

TEST_F(RecalculateAllTest, fills_the_four_amounts_with_the_total_of_them_as_shown) {
    model.state.recalcEnabled = false;
    model.RecalculateAll();
    EXPECT_EQ(shown(), " |  |  | ");
    EXPECT_EQ(model.inventory.inventorySavingsTotal, 0.0);
    // Energy: bridge and trolley 0.748742 each and hoist 3.613616812 kW-hr per turn at
    // 100 lifts, times 3 x 356 x 0.10.
    model.state.recalcEnabled = true;
    model.RecalculateAll();
    EXPECT_EQ(shown(), "$5,458.66 | $336.50 | $529.00 | $6,324.16");
    model.record.set(Field::KwHrRate, "-0.10");
    model.RecalculateAll();
    EXPECT_EQ(shown(), "($5,458.66) | $336.50 | $529.00 | ($4,593.16)");
}

TEST_F(RecalculateAllTest, the_total_adds_the_amounts_as_shown_also_those_a_model_kept) {
    model.summary.lblSummaryEnergy = "$234.56";
    model.summary.lblSumaryMaintenance = "$100.00";
    model.summary.lblSummaryInventory = "$0.10";
    model.record.set(Field::NumLifts, ""); // every model stops and keeps its amount
    model.RecalculateAll();
    EXPECT_EQ(shown(), "$234.56 | $100.00 | $0.10 | $334.66");
    // Rounded cents: inventory 0.09 here, however many digits behind it.
    model.record.set(Field::NumLifts, "100");
    for (const Motion m : kMotions) {
        model.record.set(motorFLCAmpsField(m), ""); // energy stops
    }
    model.record.set(Field::MaintPerHour, "0");
    model.record.set(Field::ContactHoist, "0.01");
    model.record.set(Field::ContactTrolley, "0");
    model.record.set(Field::ContactBridge, "0");
    model.record.set(Field::BrakeShoe, "0");
    model.RecalculateAll();
    EXPECT_EQ(shown(), "$234.56 | $0.00 | $0.09 | $234.65");
}

TEST_F(RecalculateAllTest, a_model_that_cannot_finish_keeps_its_amount_and_the_others_still_run) {
    model.RecalculateAll();
    model.record.set(Field::DutyCycleHoist2, ""); // hoist energy stops
    model.record.set(Field::MaintPerHour, "100"); // maintenance doubles
    model.RecalculateAll();
    // The hoist stopped, so the energy amount is the one the trolley step wrote: the
    // hoist's previous savings with the travel motions' current ones.
    EXPECT_EQ(shown(), "$5,458.66 | $673.00 | $529.00 | $6,660.66");
}

TEST_F(RecalculateAllTest, an_amount_that_was_never_computed_leaves_the_total_empty) {
    model.record.set(Field::ShoeLife, "");
    model.RecalculateAll();
    EXPECT_EQ(shown(), "$5,458.66 |  |  | ");
}

TEST(SavingsModelLocale, writes_every_amount_in_the_locales_currency_form) {
    SavingsModel model(test::german());
    test::fillCompleteProject(model.record);
    model.record.set(Field::NumLifts, "100");
    model.record.set(Field::KwHrRate, "0,10");
    model.state.recalcEnabled = true;
    model.RecalculateAll();
    EXPECT_EQ(model.summary.lblSumaryMaintenance, "336,50 \u20AC");
    EXPECT_EQ(model.summary.lblSummaryEnergy, "5.458,66 \u20AC");
    EXPECT_EQ(model.summary.lblSummaryTotal, "6.324,16 \u20AC");
}

} // namespace
