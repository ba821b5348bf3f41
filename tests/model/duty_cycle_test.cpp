#include "model/duty_cycle.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

class DutyCycleTest : public ::testing::Test {
protected:
    void motion(const char* distance, const char* speed, const char* s1, const char* s2,
                const char* s3, const char* s4) {
        record.set(Field::LiftDistanceHoist, distance);
        record.set(Field::HoistFPMHoist, speed);
        record.set(Field::DutyCycleHoist1, s1);
        record.set(Field::DutyCycleHoist2, s2);
        record.set(Field::DutyCycleHoist3, s3);
        record.set(Field::DutyCycleHoist4, s4);
    }
    bool update() {
        duty.UpdateDutyCycle(Motion::Hoist, record, locale);
        return duty.CompleteDutyCycle(Motion::Hoist, record, locale);
    }
    const std::string& fifth() const { return record.get(Field::DutyCycleHoist5); }

    ProjectRecord record;
    DutyCycle duty;
    LocaleConventions locale = LocaleConventions::unitedStates();
};

TEST_F(DutyCycleTest, fifth_step_is_what_remains_of_the_travel_time) {
    motion("30", "60", "1", "1", "1", "1");
    EXPECT_TRUE(update());
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 30.0);
    EXPECT_EQ(fifth(), "26");
}

TEST_F(DutyCycleTest, a_step_below_a_quarter_second_is_still_subtracted_but_refused) {
    motion("30", "60", "1", "1", "0.2", "1");
    EXPECT_FALSE(update());
    EXPECT_EQ(fifth(), "26.8");
}

TEST_F(DutyCycleTest, a_quarter_second_itself_is_accepted) {
    motion("30", "60", "0.25", "0.25", "0.25", "0.25");
    EXPECT_TRUE(update());
    EXPECT_EQ(fifth(), "29");
}

TEST_F(DutyCycleTest, a_step_that_is_not_a_number_is_neither_tested_nor_subtracted) {
    motion("30", "60", ".", "abc", "", "1");
    EXPECT_TRUE(update());
    EXPECT_EQ(fifth(), "29");
}

TEST_F(DutyCycleTest, every_difference_passes_through_the_fields_text) {
    // 30 / 7 x 60 seconds: each subtraction starts from the 15-digit text of the last.
    motion("30", "7", "1", "1", "1", "1");
    EXPECT_TRUE(update());
    EXPECT_EQ(fifth(), "253.142857142857");
}

TEST_F(DutyCycleTest, steps_that_fill_the_travel_time_exactly_leave_zero_and_are_accepted) {
    motion("30", "60", "7.5", "7.5", "7.5", "7.5");
    EXPECT_TRUE(update());
    EXPECT_EQ(fifth(), "0");
}

TEST_F(DutyCycleTest, steps_longer_than_the_travel_time_give_a_negative_fifth_step) {
    motion("30", "60", "10", "10", "10", "10");
    EXPECT_FALSE(update());
    EXPECT_EQ(fifth(), "-10");
}

TEST_F(DutyCycleTest, no_distance_no_speed_or_zero_distance_changes_nothing) {
    motion("30", "60", "1", "1", "1", "1");
    update();
    for (const auto& [distance, speed] : std::vector<std::pair<const char*, const char*>>{
             {"", "60"}, {"30", ""}, {"0", "60"}, {"-5", "60"}, {"30", "0"}, {"30", "fast"}}) {
        record.set(Field::DutyCycleHoist5, "unchanged");
        record.set(Field::LiftDistanceHoist, distance);
        record.set(Field::HoistFPMHoist, speed);
        duty.UpdateDutyCycle(Motion::Hoist, record, locale);
        EXPECT_EQ(fifth(), "unchanged") << distance << " / " << speed;
        EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 30.0);
    }
}

TEST_F(DutyCycleTest, completing_before_any_update_writes_minus_the_sum_of_the_steps) {
    motion("30", "60", "1", "1", "1", "1");
    EXPECT_FALSE(duty.CompleteDutyCycle(Motion::Hoist, record, locale));
    EXPECT_EQ(fifth(), "-4");
}

TEST_F(DutyCycleTest, motions_keep_their_own_travel_time) {
    record.set(Field::LiftDistanceTrolley, "100");
    record.set(Field::HoistFPMTrolley, "200");
    duty.UpdateDutyCycle(Motion::Trolley, record, locale);
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Trolley), 30.0);
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 0.0);
    EXPECT_EQ(record.get(Field::DutyCycleTrolley5), "30");
    EXPECT_EQ(fifth(), "");
}

} // namespace
