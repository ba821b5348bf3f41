#include "cli/calc_options.h"
#include "support/locales.h"

#include <gtest/gtest.h>

using payvanta::cli::parseCalcOptions;
namespace test = payvanta::test;
using Args = std::vector<std::string>;

namespace {

TEST(CalcOptions, files_keep_their_order_among_the_options) {
    const auto parsed = parseCalcOptions(
        {"b.QVR", "--json", "a.QVR", "--folder", "/opt/payvanta", "--locale", "de_DE", "c.QVR"},
        test::localeNamed);
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->files, (Args{"b.QVR", "a.QVR", "c.QVR"}));
    EXPECT_TRUE(parsed.options->json);
    EXPECT_EQ(parsed.options->folder, std::filesystem::path("/opt/payvanta"));
    EXPECT_EQ(parsed.options->locale.currencySymbol, "\u20AC");
}

TEST(CalcOptions, without_options_the_locale_is_united_states_and_help_needs_no_file) {
    const auto plain = parseCalcOptions({"crane.QVR"}, test::localeNamed);
    ASSERT_TRUE(plain.options) << plain.error;
    EXPECT_FALSE(plain.options->json || plain.options->help || plain.options->folder);
    EXPECT_EQ(plain.options->locale.currencySymbol, "$");
    EXPECT_EQ(plain.options->locale.decimalPoint, ".");
    const auto help = parseCalcOptions({"--help"}, test::localeNamed);
    ASSERT_TRUE(help.options) << help.error;
    EXPECT_TRUE(help.options->help);
}

TEST(CalcOptions, a_bad_command_line_is_refused_with_its_reason) {
    const std::pair<Args, std::string> cases[] = {
        {{}, "no project file given"},
        {{"--json"}, "no project file given"},
        {{"crane.QVR", "--folder"}, "--folder needs a folder"},
        {{"crane.QVR", "--locale"}, "--locale needs a locale name such as en_US"},
        {{"--locale", "xx_YY", "crane.QVR"}, "unknown locale \"xx_YY\""},
        {{"--locale", "", "crane.QVR"}, "unknown locale \"\""},
        {{"--jsn", "crane.QVR"}, "unknown option \"--jsn\""},
    };
    for (const auto& [args, reason] : cases) {
        const auto parsed = parseCalcOptions(args, test::localeNamed);
        EXPECT_FALSE(parsed.options.has_value()) << reason;
        EXPECT_EQ(parsed.error, reason);
    }
}

} // namespace
