#include "form_fixture.h"
#include "support/locales.h"
#include "ui/key_filter.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace payvanta;
using namespace payvanta::test;
using ui::checkCharacter;

namespace {

const LocaleConventions kUs;
const LocaleConventions kGerman = test::german();
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
    EXPECT_EQ(checkCharacter(c.key, c.text, c.decimal, *c.locale), c.kept)
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

TEST_F(TypingTest, each_field_keeps_only_the_keys_of_its_kind) {
    const std::tuple<Field, const char*, const char*> cases[] = {
        {Field::KwHrRate, "1.2.3", "1.23"}, // one point in a decimal field
        {Field::NumLifts, "1.2.3", "123"},  // none in a digits field
        {Field::NumLifts, "25\b", "2"},
        {Field::ShoeLife, "0\r-x ", "0"},
        {Field::CustName, "Acme-Steel, Inc.", "Acme-Steel, Inc."},
        {Field::HoistMotor, "Custom 1.5 kW ~x", "Custom 1.5 kW ~x"}};
    for (const auto& [field, keys, kept] : cases) {
        typeOver(c(field), keys);
        EXPECT_EQ(text(field), kept) << keys;
    }
    // A point is refused while the text holds one, even over a selection of all of it.
    typeOver(c(Field::KwHrRate), ".");
    EXPECT_EQ(text(Field::KwHrRate), "1.23");
    EXPECT_EQ(form.keyPressed(c(Field::DutyCycleHoist5), '1'), 0); // computed
}

TEST_F(TypingTest, a_key_in_a_tracked_field_is_remembered_even_when_discarded) {
    type(c(Field::HoistFPMTrolley), "x");
    EXPECT_EQ(form.lastKeyedField(), "txtHoistFPMTrolley");
    type(c(Field::DutyCycleBridge3), "1");
    EXPECT_EQ(form.lastKeyedField(), "txtDutyCycleBridge");
    // Fields that are not tracked leave it alone.
    type(c(Field::NumLifts), "1");
    type(c(Field::MotorVoltsHoist), "1");
    EXPECT_EQ(form.lastKeyedField(), "txtDutyCycleBridge");
}

} // namespace
