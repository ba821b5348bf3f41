#include "model/duty_cycle.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace payvanta;

namespace {

class DutyCycleTest : public ::testing::Test {
protected:
    // Sets the hoist's distance, speed and first four steps.
    void motion(const std::array<const char*, 6>& texts) {
        const Field fields[] = {Field::LiftDistanceHoist, Field::HoistFPMHoist,
                                Field::DutyCycleHoist1,   Field::DutyCycleHoist2,
                                Field::DutyCycleHoist3,   Field::DutyCycleHoist4};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            record.set(fields[i], texts[i]);
        }
    }
    bool update() {
        duty.updateDutyCycle(Motion::Hoist, record, locale);
        return duty.completeDutyCycle(Motion::Hoist, record, locale);
    }
    const std::string& fifth() const { return record.get(Field::DutyCycleHoist5); }

    ProjectRecord record;
    DutyCycle duty;
    LocaleConventions locale = LocaleConventions::unitedStates();
};

TEST_F(DutyCycleTest, the_fifth_step_is_what_remains_of_the_travel_time) {
    // Distance, speed, steps 1 to 4; whether every step is at least a quarter second; the
    // fifth step. A step that is no number is neither tested nor subtracted; each
    // difference passes through the field's 15-digit text.
    const std::tuple<std::array<const char*, 6>, bool, const char*> cases[] = {
        {{"30", "60", "1", "1", "1", "1"}, true, "26"},
        {{"30", "60", "1", "1", "0.2", "1"}, false, "26.8"},
        {{"30", "60", "0.25", "0.25", "0.25", "0.25"}, true, "29"},
        {{"30", "60", ".", "abc", "", "1"}, true, "29"},
        {{"30", "7", "1", "1", "1", "1"}, true, "253.142857142857"},
        {{"30", "60", "7.5", "7.5", "7.5", "7.5"}, true, "0"},
        {{"30", "60", "10", "10", "10", "10"}, false, "-10"},
    };
    for (const auto& [texts, accepted, expected] : cases) {
        motion(texts);
        EXPECT_EQ(update(), accepted) << expected;
        EXPECT_EQ(fifth(), expected);
    }
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 30.0); // 30 feet at 60 feet a minute
}

TEST_F(DutyCycleTest, no_distance_no_speed_or_zero_distance_changes_nothing) {
    motion({"30", "60", "1", "1", "1", "1"});
    update();
    for (const auto& [distance, speed] : std::vector<std::pair<const char*, const char*>>{
             {"", "60"}, {"30", ""}, {"0", "60"}, {"-5", "60"}, {"30", "0"}, {"30", "fast"}}) {
        record.set(Field::DutyCycleHoist5, "unchanged");
        record.set(Field::LiftDistanceHoist, distance);
        record.set(Field::HoistFPMHoist, speed);
        duty.updateDutyCycle(Motion::Hoist, record, locale);
        EXPECT_EQ(fifth(), "unchanged") << distance << " / " << speed;
        EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 30.0);
    }
}

TEST_F(DutyCycleTest, before_any_update_the_fifth_step_is_minus_the_steps_and_motions_keep_apart) {
    motion({"30", "60", "1", "1", "1", "1"});
    EXPECT_FALSE(duty.completeDutyCycle(Motion::Hoist, record, locale));
    EXPECT_EQ(fifth(), "-4");
    record.set(Field::LiftDistanceTrolley, "100");
    record.set(Field::HoistFPMTrolley, "200");
    duty.updateDutyCycle(Motion::Trolley, record, locale);
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Trolley), 30.0);
    EXPECT_DOUBLE_EQ(duty.travelTime(Motion::Hoist), 0.0);
    EXPECT_EQ(record.get(Field::DutyCycleTrolley5), "30");
    EXPECT_EQ(fifth(), "-4");
}

} // namespace
