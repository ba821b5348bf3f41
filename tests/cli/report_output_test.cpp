#include "calc_fixture.h"

#include <cstdlib>

using namespace payvanta;
using namespace payvanta::test;
using Texts = std::vector<std::string>;

namespace {

// payvanta-calc --report, on the steel-mill example, at a fixed moment.
class ReportOutput : public CalcRunTest {
protected:
    // 6 December 2026, 20:15:03 UTC.
    ReportOutput() { ::setenv("SOURCE_DATE_EPOCH", "1796588103", 1); }
    ~ReportOutput() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(ReportOutput, json_gives_every_field_the_page_sets_by_name_in_page_order) {
    EXPECT_EQ(run({"--report", "inventory", "--json", kSteelMill}), 0);
    EXPECT_EQ(out.str(), R"({
  "lblDate": "12/6/2026 8:15:03 PM ",
  "txtCustomer": "Great Lakes Steel Works",
  "txtProject": "BOF ladle crane No. 3 retrofit",
  "txtContactHoist": "$1,000.00",
  "txtBrakeShoe": "$475.00",
  "txtContactCostHoist": "$35,000.00",
  "txtBrakeShoeCost": "$2,850.00",
  "txtContactTotalHoist": "$75,700.00",
  "txtContactTrolley": "$500.00",
  "txtContactCostTrolley": "$7,650.00",
  "txtContactTotalTrolley": "$7,650.00",
  "txtContactBridge": "$750.00",
  "txtContactCostBridge": "$11,475.00",
  "txtContactTotalBridge": "$22,950.00",
  "txtAnnualInvetorySavings": "$106,300.00",
  "lblPage": ""
}
)");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ReportOutput, several_files_give_an_array_with_null_for_one_that_cannot_be_read) {
    const std::string missing = (folder / "missing.QVR").string();
    EXPECT_EQ(run({"--report", "SAVINGS", "--json", kSteelMill, missing}), 2);
    const std::string json = out.str();
    EXPECT_TRUE(json.starts_with("[\n  {\n    \"lblDate\": \"12/6/2026 \",\n")) << json;
    EXPECT_NE(json.find("\n    \"txtTotal\": \"$149,478.90\",\n"), std::string::npos);
    EXPECT_NE(json.find("\"lblOutput\": \"1)  Stravolux QVR's digital DC technology"),
              std::string::npos);
    EXPECT_TRUE(json.ends_with("\n    \"lblPage\": \"\"\n  },\n  null\n]\n")) << json;
}

TEST_F(ReportOutput, a_report_name_is_one_of_the_seven_in_any_letter_case) {
    for (const char* name : {"hoist", "TROLLEY", "Bridge", "energysavings"}) {
        const auto parsed = cli::parseCalcOptions({"--report", name, "crane.QVR"}, localeNamed);
        EXPECT_TRUE(parsed.options.has_value()) << name;
    }
    for (const Texts& args : {Texts{"--report", "Energy", "crane.QVR"}, Texts{"--report"}}) {
        const auto parsed = cli::parseCalcOptions(args, localeNamed);
        EXPECT_FALSE(parsed.options.has_value());
        EXPECT_EQ(parsed.error, "--report needs a report name such as Savings or Hoist");
    }
}

TEST_F(ReportOutput, csv_quotes_a_name_with_a_comma_and_a_quote_and_gives_numbers_plain) {
    std::string project = readBytes(kSteelMill);
    const std::string name = "CustName = Great Lakes Steel Works";
    project.replace(project.find(name), name.size(), "CustName = Smith, \"Big\" Cranes");
    const std::string path = (folder / "a,b.QVR").string();
    writeBytes(path, project);
    EXPECT_EQ(run({"--csv", "--cost", "298,957.80", path}), 0);
    EXPECT_EQ(out.str(), "File,Customer,Project,Energy,Maintenance,Inventory,Total,kWh per Year,"
                         "Payback Years,CO2 Tonnes per Year\r\n\"" +
                             path +
                             "\",\"Smith, \"\"Big\"\" Cranes\",BOF ladle crane No. 3 "
                             "retrofit,41582.02,1596.88,106300.00,149478.90,504636,2.00,"
                             "185.41\r\n");
}

TEST_F(ReportOutput, control_characters_show_as_escapes_on_a_terminal_and_stay_in_json_and_csv) {
    // ESC and BEL that set a terminal's title, a tab, and the byte 9D: in a Windows-1252
    // file the C1 control OSC.
    std::string project = readBytes(kSteelMill);
    const std::string name = "CustName = Great Lakes Steel Works";
    project.replace(project.find(name), name.size(), "CustName = Acme\x1b]0;owned\x07\tSteel\x9d");
    const std::string path = (folder / "crane\x1b[2J.QVR").string();
    writeBytes(path, project);
    const std::string shownPath = (folder / "crane\\x1b[2J.QVR").string();

    EXPECT_EQ(run({"--report", "inventory", path}), 0);
    EXPECT_NE(out.str().find("Acme\\x1b]0;owned\\x07\\x09Steel\\x9d"), std::string::npos)
        << out.str();
    out.str("");
    EXPECT_EQ(run({path}), 0);
    EXPECT_TRUE(out.str().starts_with(shownPath + "\n  Energy       $41,582.02\n")) << out.str();
    out.str("");
    EXPECT_EQ(run({"--report", "inventory", "--json", path}), 0);
    EXPECT_NE(out.str().find("\"txtCustomer\": \"Acme\\u001b]0;owned\\u0007\\tSteel\xc2\x9d\""),
              std::string::npos);
    out.str("");
    EXPECT_EQ(run({"--csv", path}), 0);
    EXPECT_NE(out.str().find("\r\n" + path + ",Acme\x1b]0;owned\x07\tSteel\xc2\x9d,"),
              std::string::npos);
    EXPECT_EQ(err.str(), "");

    const std::string missing = (folder / "gone\x1b[2J.QVR").string();
    EXPECT_EQ(run({missing}), 2);
    EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("gone\\x1b[2J.QVR"), std::string::npos) << err.str();
}

TEST_F(ReportOutput, the_total_of_the_three_examples_sums_each_amount_and_pays_back_their_cost) {
    EXPECT_EQ(run({"--csv", "--total", "--cost", "100000", "--co2-factor", "1", kPaperMill,
                   kScrapYard, kSteelMill}),
              0);
    // 55,684.89 + 111,199.28 + 149,478.90 a year against 300,000; 704,771 kWh of 1 lb each.
    EXPECT_TRUE(out.str().ends_with("\r\nTotal of 3 files,,,57453.40,3954.67,254955.00,"
                                    "316363.07,704771,0.95,319.68\r\n"))
        << out.str();
    out.str("");
    EXPECT_EQ(run({"--total", kPaperMill, kScrapYard}), 0);
    EXPECT_NE(out.str().find("\nTotal of 2 files\n  Energy       $15,871.38\n"), std::string::npos);
}

TEST_F(ReportOutput, extreme_costs_in_files_say_why_there_is_no_figure_and_end_the_run_well) {
    const std::string block = "\r\n* The business case: retrofit cost, project life, discount "
                              "rate, CO2 factor.\r\nDriveCost = 1.7e308\r\n";
    const std::string a = (folder / "a.QVR").string();
    const std::string b = (folder / "b.QVR").string();
    writeBytes(a, readBytes(kSteelMill) + block);
    writeBytes(b, readBytes(kPaperMill) + block);
    const std::string why = "Drive Hardware must be 0 to 100,000,000";
    const struct {
        Texts args;
        std::string shown;
    } cases[] = {
        {{"--report", "BusinessCase", a}, "  Net Present Value      " + why + "\n"},
        {{"--total", a, b}, "  Net cost     " + why + "\n  Payback      " + why + "\n"},
        {{"--json", "--total", a, b},
         "\"netCost\": null,\n    \"paybackYears\": null,\n    "
         "\"payback\": \"" +
             why + "\"\n"},
        {{"--csv", "--total", a, b},
         "\r\nTotal of 2 files,,,51061.16,2347.63,151755.00,"
         "205163.79,613843,,225.53\r\n"}, // no payback: empty
    };
    for (const auto& c : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(run(c.args), 0) << c.args[0];
        EXPECT_NE(out.str().find(c.shown), std::string::npos) << out.str();
        EXPECT_EQ(err.str(), "");
    }
}

} // namespace
