#include "cli/calc_options.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using payvanta::cli::parseCalcOptions;
using Args = std::vector<std::string>;

namespace {

TEST(CalcOptions, one_file_takes_every_default) {
    const auto parsed = parseCalcOptions({"crane.QVR"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->files, Args{"crane.QVR"});
    EXPECT_FALSE(parsed.options->folder.has_value());
    EXPECT_FALSE(parsed.options->json);
    EXPECT_FALSE(parsed.options->help);
    EXPECT_EQ(parsed.options->locale.decimalPoint, ".");
    EXPECT_EQ(parsed.options->locale.currencySymbol, "$");
}

TEST(CalcOptions, files_keep_their_order_among_the_options) {
    const auto parsed =
        parseCalcOptions({"b.QVR", "--json", "a.QVR", "--folder", "/opt/payvanta", "c.QVR"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->files, (Args{"b.QVR", "a.QVR", "c.QVR"}));
    EXPECT_TRUE(parsed.options->json);
    EXPECT_EQ(parsed.options->folder, std::filesystem::path("/opt/payvanta"));
}

TEST(CalcOptions, a_german_locale_reads_and_writes_numbers_the_german_way) {
    const auto parsed = parseCalcOptions({"--locale", "de_DE", "crane.QVR"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->locale.decimalPoint, ",");
    EXPECT_EQ(parsed.options->locale.groupSeparator, ".");
    EXPECT_EQ(parsed.options->locale.currencySymbol, "\u20AC");
}

class UnitedStatesLocaleNames : public ::testing::TestWithParam<std::string> {};

TEST_P(UnitedStatesLocaleNames, give_united_states_conventions) {
    const auto parsed = parseCalcOptions({"--locale", GetParam(), "crane.QVR"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->locale.decimalPoint, ".");
    EXPECT_EQ(parsed.options->locale.groupSeparator, ",");
    EXPECT_EQ(parsed.options->locale.currencySymbol, "$");
}

INSTANTIATE_TEST_SUITE_P(Names, UnitedStatesLocaleNames,
                         ::testing::Values("en_US", "en_US.UTF-8", "C", "POSIX"));

struct BadArgs {
    const char* name;
    Args args;
};

class BadCommandLines : public ::testing::TestWithParam<BadArgs> {};

TEST_P(BadCommandLines, are_refused_with_a_reason) {
    const auto parsed = parseCalcOptions(GetParam().args);
    EXPECT_FALSE(parsed.options.has_value());
    EXPECT_FALSE(parsed.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Args, BadCommandLines,
    ::testing::Values(BadArgs{"no_file", {}}, BadArgs{"only_options", {"--json"}},
                      BadArgs{"folder_without_a_value", {"crane.QVR", "--folder"}},
                      BadArgs{"locale_without_a_value", {"crane.QVR", "--locale"}},
                      BadArgs{"unknown_locale", {"--locale", "xx_YY", "crane.QVR"}},
                      BadArgs{"unknown_option", {"--jsn", "crane.QVR"}}),
    [](const ::testing::TestParamInfo<BadArgs>& info) { return std::string(info.param.name); });

TEST(CalcOptions, an_unknown_option_is_named_in_the_reason) {
    const auto parsed = parseCalcOptions({"--jsn", "crane.QVR"});
    EXPECT_NE(parsed.error.find("--jsn"), std::string::npos) << parsed.error;
}

TEST(CalcOptions, help_needs_no_file) {
    const auto parsed = parseCalcOptions({"--help"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_TRUE(parsed.options->help);
}

} // namespace
