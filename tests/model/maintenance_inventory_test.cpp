#include "model/inventory_model.h"
#include "model/maintenance_model.h"
#include "model/number_text.h"

#include "support/example_project.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

class PartsModelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::fillCompleteProject(record);
        record.set(Field::NumLifts, "100");
    }
    // Runs both models, showing each amount as the summary does when the model finished.
    void run() {
        if (maintenance.UpdateMaintenanceSavings(record, locale)) {
            maintenanceText = currency(maintenance.MaintenanceSavingsTotal);
        }
        if (inventory.UpdateInventorySavings(record, locale)) {
            inventoryText = currency(inventory.InventorySavingsTotal);
        }
    }
    std::string currency(double amount) const {
        return numbers::format(amount, numbers::kCurrency, locale);
    }

    ProjectRecord record;
    LocaleConventions locale = LocaleConventions::unitedStates();
    MaintenanceModel maintenance;
    InventoryModel inventory;
    std::string maintenanceText;
    std::string inventoryText;
};

TEST_F(PartsModelsTest, worked_examples_give_336_50_and_529_00) {
    run();
    EXPECT_DOUBLE_EQ(maintenance.MaintenanceSavingsTotal, 336.5);
    EXPECT_EQ(maintenanceText, "$336.50");
    EXPECT_DOUBLE_EQ(inventory.InventorySavingsTotal, 529.0);
    EXPECT_EQ(inventoryText, "$529.00");
}

TEST_F(PartsModelsTest, a_change_out_rate_of_0_45_rounds_up_as_the_user_sees_it) {
    // Trolley: 12 / ((9600 / 12) / 30) is 0.44999999999999996 in binary, 0.45 on screen.
    record.set(Field::NumLifts, "1");
    record.set(Field::ContactElec, "9600");
    record.set(Field::MotorVoltsHoist, "230");
    run();
    EXPECT_EQ(maintenanceText, "$351.50");
    EXPECT_EQ(inventoryText, "$565.00");
}

TEST_F(PartsModelsTest, a_hoist_without_motor_counts_neither_tips_nor_brake_shoes) {
    test::removeMotor(record, Motion::Hoist);
    run();
    EXPECT_EQ(maintenanceText, "$60.00");
    EXPECT_EQ(inventoryText, "$144.00");
}

TEST_F(PartsModelsTest, a_travel_motion_without_motor_adds_nothing) {
    test::removeMotor(record, Motion::Trolley);
    run();
    EXPECT_EQ(maintenanceText, "$306.50");
    EXPECT_EQ(inventoryText, "$457.00");
}

TEST_F(PartsModelsTest, two_hoist_motors_double_tips_and_shoe_parts_but_not_shoe_labour) {
    record.set(Field::NumMotorHoist, "2");
    run();
    EXPECT_EQ(maintenanceText, "$413.00"); // 2 x 76.50 + 30 + 30 + 200
    EXPECT_EQ(inventoryText, "$914.00");   // 2 x 385 + 72 + 72
}

TEST_F(PartsModelsTest, rates_below_0_05_a_year_round_to_nothing) {
    // Tip life so long that every tip rate rounds to 0.0.
    record.set(Field::ContactElec, "100000000");
    run();
    EXPECT_EQ(maintenanceText, "$200.00");
    EXPECT_EQ(inventoryText, "$160.00");
}

TEST_F(PartsModelsTest, each_amount_is_rounded_to_cents_before_it_is_added) {
    // Labour 33.333: hoist 33.333 x 1.7 x 0.9 = 50.99949 -> 51.00; trolley and bridge
    // 33.333 x 1.5 x 0.4 = 19.9998 -> 20.00; shoes 66.666 x 2 = 133.332 -> 133.33.
    record.set(Field::MaintPerHour, "33.333");
    run();
    EXPECT_DOUBLE_EQ(maintenance.MaintenanceSavingsTotal, 51.0 + 20.0 + 20.0 + 133.33);
    EXPECT_EQ(maintenanceText, "$224.33");
}

TEST_F(PartsModelsTest, an_unreadable_field_keeps_the_previous_text) {
    run();
    record.set(Field::ShoeLife, "0");
    run();
    EXPECT_EQ(maintenanceText, "$336.50");
    EXPECT_EQ(inventoryText, "$529.00");
    // Maintenance cleared its total before it stopped; inventory stopped before it did.
    EXPECT_EQ(maintenance.MaintenanceSavingsTotal, 0.0);
    EXPECT_EQ(inventory.InventorySavingsTotal, 529.0);
}

TEST_F(PartsModelsTest, a_failure_after_the_first_motion_leaves_the_partial_sum) {
    run();
    record.set(Field::NumMotorTrolley, "");
    run();
    EXPECT_EQ(maintenanceText, "$336.50");
    EXPECT_DOUBLE_EQ(maintenance.MaintenanceSavingsTotal, 76.5);
    EXPECT_EQ(inventoryText, "$529.00");
    EXPECT_DOUBLE_EQ(inventory.InventorySavingsTotal, 385.0);
}

TEST_F(PartsModelsTest, zero_lifts_is_a_division_by_zero_and_stops_both) {
    run();
    record.set(Field::NumLifts, "0");
    maintenanceText = "before";
    inventoryText = "before";
    run();
    EXPECT_EQ(maintenanceText, "before");
    EXPECT_EQ(inventoryText, "before");
}

} // namespace
