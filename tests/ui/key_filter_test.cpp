#include "form_fixture.h"
#include "ui/key_filter.h"

#include <gtest/gtest.h>

using namespace payvanta;
using namespace payvanta::test;
using ui::CheckCharacter;

namespace {

const LocaleConventions kUs;
const LocaleConventions kGerman = LocaleConventions::german();
const LocaleConventions kArabic{"\u066B", "\u066C"}; // separators of two bytes in UTF-8

struct KeyCase {
    int key;
    const char* text;
    bool decimal;
    int kept;
    const LocaleConventions* locale = &kUs;
};

class CheckCharacterCases : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CheckCharacterCases, keeps_digits_backspace_and_one_decimal_separator_where_allowed) {
    const auto& c = GetParam();
    EXPECT_EQ(CheckCharacter(c.key, c.text, c.decimal, *c.locale), c.kept)
        << "key " << c.key << " in \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CheckCharacterCases,
    ::testing::Values(
        KeyCase{'0', "", false, '0'}, KeyCase{'9', "12", true, '9'}, KeyCase{8, "12", false, 8},
        KeyCase{'.', "12", true, '.'}, KeyCase{'.', "12", false, 0}, KeyCase{'.', "1.2", true, 0},
        KeyCase{'.', "2.5", true, 0}, // even with the whole text selected
        KeyCase{13, "12", true, 0}, KeyCase{'-', "", true, 0}, KeyCase{'a', "", true, 0},
        KeyCase{' ', "1", true, 0}, KeyCase{'e', "1", true, 0}, KeyCase{',', "1", true, 0},
        KeyCase{9, "1", true, 0}, KeyCase{27, "1", true, 0},
        // The locale's separator, and never a group separator.
        KeyCase{',', "1", true, ',', &kGerman}, KeyCase{',', "1,5", true, 0, &kGerman},
        KeyCase{'.', "1", true, 0, &kGerman}, KeyCase{0x066B, "1", true, 0x066B, &kArabic},
        KeyCase{0x066B, "1\u066B5", true, 0, &kArabic}, KeyCase{0x066C, "1", true, 0, &kArabic},
        KeyCase{'.', "1", true, 0, &kArabic}));

class TypingTest : public FormTest {
protected:
    void SetUp() override { openProject(); }
};

TEST_F(TypingTest, a_second_point_is_discarded_in_a_decimal_field) {
    typeOver(c(Field::KwHrRate), "1.2.3");
    EXPECT_EQ(text(Field::KwHrRate), "1.23");
}

TEST_F(TypingTest, both_points_are_discarded_in_a_digits_field) {
    typeOver(c(Field::NumLifts), "1.2.3");
    EXPECT_EQ(text(Field::NumLifts), "123");
}

TEST_F(TypingTest, a_point_is_refused_while_the_text_holds_one_even_over_a_selection) {
    typeOver(c(Field::KwHrRate), "2.5");
    typeOver(c(Field::KwHrRate), ".");
    EXPECT_EQ(text(Field::KwHrRate), "2.5");
}

TEST_F(TypingTest, enter_letters_and_minus_change_nothing_and_run_no_check) {
    typeOver(c(Field::ShoeLife), "0");
    view.clearLog();
    type(c(Field::ShoeLife), "\r-x ");
    EXPECT_EQ(text(Field::ShoeLife), "0");
    EXPECT_TRUE(view.log.empty());
}

TEST_F(TypingTest, backspace_is_kept) {
    typeOver(c(Field::NumLifts), "25\b");
    EXPECT_EQ(text(Field::NumLifts), "2");
}

TEST_F(TypingTest, text_fields_and_motor_lists_take_any_key) {
    typeOver(c(Field::CustName), "Acme-Steel, Inc.");
    EXPECT_EQ(text(Field::CustName), "Acme-Steel, Inc.");
    typeOver(c(Field::HoistMotor), "Custom 1.5 kW ~x");
    EXPECT_EQ(text(Field::HoistMotor), "Custom 1.5 kW ~x");
}

TEST_F(TypingTest, the_computed_fifth_step_takes_no_key) {
    EXPECT_EQ(form.keyPressed(ui::controlOf(Field::DutyCycleHoist5), '1'), 0);
}

TEST_F(TypingTest, a_key_in_a_tracked_field_is_remembered_even_when_discarded) {
    type(c(Field::HoistFPMTrolley), "x");
    EXPECT_EQ(form.LastKeyedField(), "txtHoistFPMTrolley");
    type(c(Field::DutyCycleBridge3), "1");
    EXPECT_EQ(form.LastKeyedField(), "txtDutyCycleBridge");
    // Fields that are not tracked leave it alone.
    type(c(Field::NumLifts), "1");
    type(c(Field::MotorVoltsHoist), "1");
    EXPECT_EQ(form.LastKeyedField(), "txtDutyCycleBridge");
}

TEST_F(TypingTest, a_motor_count_takes_no_digit_beyond_what_a_whole_number_holds) {
    typeOver(c(Field::NumMotorHoist), "3276799");
    EXPECT_EQ(text(Field::NumMotorHoist), "32767");
    typeOver(c(Field::NumMotorHoist), "4000");
    type(c(Field::NumMotorHoist), "0");
    EXPECT_EQ(text(Field::NumMotorHoist), "4000");
}

} // namespace
