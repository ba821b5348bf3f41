#include "model/number_text.h"
#include "support/locales.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace payvanta;
using payvanta::numbers::format;
using payvanta::numbers::parse;
using payvanta::numbers::plain;

namespace {

const LocaleConventions us = LocaleConventions::unitedStates();
const LocaleConventions de = test::german();

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

class ParseUnitedStates : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseUnitedStates, reads_the_text_as_the_user_sees_it) {
    const auto& c = GetParam();
    const auto got = parse(c.text, us);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (c.value) {
        EXPECT_DOUBLE_EQ(*got, *c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseUnitedStates,
    ::testing::Values(ParseCase{"12", 12}, ParseCase{"  12.5  ", 12.5}, ParseCase{"\t7\t", 7},
                      ParseCase{".5", 0.5}, ParseCase{"5.", 5}, ParseCase{"007", 7},
                      ParseCase{"-3", -3}, ParseCase{"+3", 3}, ParseCase{"$1,234.56", 1234.56},
                      ParseCase{"($1,234.56)", -1234.56}, ParseCase{"(12)", -12},
                      ParseCase{"-$5.00", -5}, ParseCase{"$-5.00", -5}, ParseCase{"5 $", 5},
                      ParseCase{"1,234,567", 1234567}, ParseCase{"1E+15", 1e15},
                      ParseCase{"2.5e-3", 0.0025}, ParseCase{"", std::nullopt},
                      ParseCase{".", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"abc", std::nullopt}, ParseCase{"12abc", std::nullopt},
                      ParseCase{"1.2.3", std::nullopt}, ParseCase{"--5", std::nullopt},
                      ParseCase{"(-5)", std::nullopt}, ParseCase{"$", std::nullopt},
                      ParseCase{",5", std::nullopt}, ParseCase{"5,", std::nullopt},
                      ParseCase{"0,082", std::nullopt}, ParseCase{"1,23", std::nullopt},
                      ParseCase{"1234,567", std::nullopt}, ParseCase{"1,2345", std::nullopt},
                      ParseCase{"1e", std::nullopt}, ParseCase{"1e999", std::nullopt},
                      ParseCase{"0x10", std::nullopt}, ParseCase{"inf", std::nullopt},
                      ParseCase{"nan", std::nullopt}));

TEST(ParseGerman, uses_comma_decimals_and_point_grouping) {
    EXPECT_DOUBLE_EQ(*parse("1.234,56 \u20AC", de), 1234.56);
    EXPECT_DOUBLE_EQ(*parse("-1.234,56 \u20AC", de), -1234.56);
    EXPECT_DOUBLE_EQ(*parse("0,25", de), 0.25);
    // A point is a group separator there, as the user's own locale reads it.
    EXPECT_DOUBLE_EQ(*parse("1.500", de), 1500);
    EXPECT_FALSE(parse(",", de).has_value());
    // But only in groups of three: a number with a decimal point is none here.
    EXPECT_FALSE(parse("0.0824", de).has_value());
}

TEST(ProjectFileNumbers, a_plain_number_is_saved_with_a_point_and_loaded_in_the_users_form) {
    const struct {
        const LocaleConventions& locale;
        const char* shown;
        const char* saved;
    } cases[] = {
        {de, "0,0824", "0.0824"},   {de, "-1,5E-05", "-1.5E-05"},
        {de, ",5", ".5"},           {de, "1000", "1000"},
        {us, "0.0824", "0.0824"},   {us, "100,000", "100,000"},
        {de, "1.000,5", "1.000,5"}, {de, ",", ","},
        {de, "n/a", "n/a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers::fileNumberText(c.shown, c.locale), c.saved) << c.shown;
        EXPECT_EQ(numbers::loadedNumberText(c.saved, c.locale), c.shown) << c.saved;
    }
    EXPECT_EQ(numbers::loadedNumberText("0,0824", de), "0,0824"); // an older German file
}

TEST(ParseFrench, accepts_a_typed_space_for_the_no_break_space_grouping) {
    const auto fr = test::french();
    EXPECT_DOUBLE_EQ(*parse("1\u00A0234,5", fr), 1234.5);
    EXPECT_DOUBLE_EQ(*parse("1 234,5", fr), 1234.5);
    EXPECT_DOUBLE_EQ(*parse("1\u00A0234,50\u00A0\u20AC", fr), 1234.5);
}

// The digits themselves are checked against the standard library in number_conversions_test.
TEST(Plain, never_shows_a_minus_zero_and_writes_the_locales_decimal_point) {
    EXPECT_EQ(plain(-0.0, us), "0");
    EXPECT_EQ(plain(-1.5E-05, de), "-1,5E-05");
}

struct FormatCase {
    double value;
    const char* format;
    const char* text;
};

class FormatUnitedStates : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatUnitedStates, shows_the_value_in_the_named_format) {
    const auto& c = GetParam();
    EXPECT_EQ(format(c.value, c.format, us), c.text) << c.value << " as " << c.format;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatUnitedStates,
    ::testing::Values(
        FormatCase{1234.56, "Currency", "$1,234.56"},
        FormatCase{-1234.56, "Currency", "($1,234.56)"},
        FormatCase{159.9312912, "Currency", "$159.93"}, FormatCase{0, "Currency", "$0.00"},
        FormatCase{1234567.891, "Standard", "1,234,567.89"}, FormatCase{-2.5, "Standard", "-2.50"},
        FormatCase{0.13870149, "0.0000", "0.1387"}, FormatCase{1234.56789, "##0.0000", "1234.5679"},
        FormatCase{1234.5678, "##,##0.000", "1,234.568"}, FormatCase{0.864, "##,##0.0", "0.9"},
        FormatCase{0.432, "##,##0.0", "0.4"}, FormatCase{1.6666666, "#,##0.00", "1.67"},
        FormatCase{76.5, "##,##0.00", "76.50"}, FormatCase{999999.5, "##,##0", "1,000,000"},
        FormatCase{0.045, "##,##0.0", "0.0"},
        FormatCase{1e20, "##,##0", "100,000,000,000,000,000,000"}));

// Halves of every length are checked against hand rounding in number_conversions_test.
TEST(Rounding, takes_the_decimal_value_at_fifteen_digits_and_rounds_halves_away_from_zero) {
    // 0.45 is 0.44999999999999996 in binary: what the user sees is 0.45, which rounds up.
    const double rate = 12.0 / ((9600.0 / 12.0) / 30.0);
    ASSERT_LT(rate, 0.45);
    EXPECT_EQ(format(rate, "##,##0.0", us), "0.5");
    EXPECT_DOUBLE_EQ(numbers::roundHalfAway(rate, 1), 0.5);
    EXPECT_EQ(format(0.125, "Currency", us), "$0.13");
    EXPECT_EQ(format(-0.125, "Currency", us), "($0.13)");
    EXPECT_DOUBLE_EQ(numbers::roundHalfAway(-2.25, 1), -2.3);
    EXPECT_DOUBLE_EQ(numbers::roundHalfAway(0.004, 2), 0.0);
    EXPECT_DOUBLE_EQ(numbers::roundHalfAway(0.005, 2), 0.01);
    EXPECT_DOUBLE_EQ(numbers::roundHalfAway(99.95, 1), 100.0);
}

TEST(Rounding, a_value_that_rounds_to_zero_shows_no_sign) {
    EXPECT_EQ(format(-0.001, "Currency", us), "$0.00");
    EXPECT_EQ(format(-0.04, "##,##0.0", us), "0.0");
}

TEST(FormatGerman, shows_currency_after_the_amount) {
    EXPECT_EQ(format(1234.56, "Currency", de), "1.234,56 \u20AC");
    EXPECT_EQ(format(-1234.56, "Currency", de), "-1.234,56 \u20AC");
    EXPECT_EQ(format(1234.5678, "##,##0.000", de), "1.234,568");
    EXPECT_EQ(format(0.25, "0.0000", de), "0,2500");
    EXPECT_DOUBLE_EQ(*parse(format(-98765.43, "Currency", de), de), -98765.43);
}

TEST(Format, an_unknown_format_name_is_a_programming_error) {
    EXPECT_THROW((void)numbers::NumberFormat::named("0.00%"), std::invalid_argument);
}

TEST(Format, refuses_a_value_too_large_for_a_double) {
    EXPECT_THROW((void)format(INFINITY, "Currency", us), std::overflow_error);
}

} // namespace
