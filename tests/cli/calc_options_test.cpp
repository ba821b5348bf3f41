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
        // Two project files of one name would write one PDF file, the second over the first.
        {{"--pdf-dir", "out", "a/x.QVR", "b/x.QVR", "a/x.qvr"},
         "\"a/x.QVR\" and \"b/x.QVR\" would both be written to \"out/x.pdf\""},
        {{"--pdf-dir", "out", "x.QVR", "y.QVR", "x.qvr"},
         "\"x.QVR\" and \"x.qvr\" would both be written to \"out/x.pdf\""},
        {{"--csv", "--json", "x.QVR"},
         "--csv prints its own rows: leave out --json, --report and --pdf"},
        {{"--total", "--pdf", "x.pdf", "x.QVR"},
         "--total prints a roll-up: leave out --pdf and --pdf-dir"},
        // A proposal goes to a file, or one a project into a folder, and is all its pages.
        {{"--proposal", "crane.QVR"},
         "--proposal needs a file (--proposal OUT.pdf), or --pdf-dir DIR for one proposal per "
         "project file"},
        {{"--proposal", "a.pdf", "--report", "Hoist", "crane.QVR"},
         "--proposal writes its own pages: leave out --report"},
        {{"--pdf", "a.pdf", "--proposal", "b.PDF", "crane.QVR"},
         "--proposal and --pdf name two files: give one"},
        {{"--prepared-by", "Ann", "crane.QVR"},
         "--prepared-by is printed on a proposal: add --proposal"},
    };
    for (const auto& [args, reason] : cases) {
        const auto parsed = parseCalcOptions(args, test::localeNamed);
        EXPECT_FALSE(parsed.options.has_value()) << reason;
        EXPECT_EQ(parsed.error, reason);
    }
}

TEST(CalcOptions, proposal_takes_a_pdf_file_or_writes_into_the_pdf_folder) {
    const auto one = parseCalcOptions({"--proposal", "Offer.PDF", "crane.QVR"}, test::localeNamed);
    ASSERT_TRUE(one.options) << one.error;
    EXPECT_TRUE(one.options->proposal);
    EXPECT_EQ(one.options->pdf, std::filesystem::path("Offer.PDF"));
    EXPECT_EQ(one.options->files, Args{"crane.QVR"});
    const auto each = parseCalcOptions(
        {"--pdf-dir", "out", "--proposal", "a.QVR", "--prepared-by", "Ann Smith", "b.QVR"},
        test::localeNamed);
    ASSERT_TRUE(each.options) << each.error;
    EXPECT_FALSE(each.options->pdf);
    EXPECT_EQ(each.options->files, (Args{"a.QVR", "b.QVR"}));
    EXPECT_EQ(each.options->preparedBy, "Ann Smith");
}

TEST(CalcOptions, a_business_case_option_is_taken_only_within_the_range_of_its_input) {
    const std::string cost = "--cost needs a number from 0 to 100,000,000";
    const std::string life = "--life needs a whole number from 1 to 100 years";
    const std::string discount = "--discount needs a number from -50 to 100 %";
    const std::string factor = "--co2-factor needs a number from 0 to 5 lb per kWh";
    // The ranges themselves are the business case's; here each option is read as its own input.
    const std::pair<Args, std::string> cases[] = {
        {{"--cost", "100,000,000"}, ""},    {{"--cost", "-0.01"}, cost},
        {{"--cost", "much"}, cost},         {{"--life", "100"}, ""},
        {{"--life", "2.5"}, life},          {{"--discount", "-50"}, ""},
        {{"--discount", "abc"}, discount},  {{"--co2-factor", "5"}, ""},
        {{"--co2-factor", "5.01"}, factor}, {{"--co2-factor"}, factor},
    };
    for (const auto& [args, error] : cases) {
        Args withFile{"crane.QVR"};
        withFile.insert(withFile.end(), args.begin(), args.end());
        const auto parsed = parseCalcOptions(withFile, test::localeNamed);
        EXPECT_EQ(parsed.error, error) << args.back();
        EXPECT_EQ(parsed.options.has_value(), error.empty()) << args.back();
    }
}

} // namespace
