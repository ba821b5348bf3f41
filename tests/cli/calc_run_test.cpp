#include "calc_fixture.h"

#include <regex>

using namespace payvanta;
using namespace payvanta::test;
using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// The steel-mill example: 40 lifts per turn at 0.0824 dollars per kW-hr, two 515 A hoist
// motors, two 286 A bridge motors; the figures agree with a calculation by hand.
const char* const kSteelMillJson = R"({
  "lblSummaryEnergy": "$41,582.02",
  "lblSumaryMaintenance": "$1,596.88",
  "lblSummaryInventory": "$106,300.00",
  "lblSummaryTotal": "$149,478.90",
  "InventorySavingsTotal": 106300,
  "MaintenanceSavingsTotal": 1596.8800000000001,
  "Bridge.DccpKwHrPerMove": 0.94224185611111122,
  "Bridge.QvrKwHrPerMove": 0.70635682259999999,
  "Bridge.DccpKwHrPerCycle": 3.7689674244444449,
  "Bridge.DccpKwHrPerTurn": 150.75869697777779,
  "Bridge.QvrKwHrPerCycle": 2.8254272904,
  "Bridge.QvrKwHrPerTurn": 113.017091616,
  "Bridge.SavingsKwHrPerTurn": 37.741605361777786,
  "Trolley.DccpKwHrPerMove": 0.23134519333333334,
  "Trolley.QvrKwHrPerMove": 0.17079673500000001,
  "Trolley.DccpKwHrPerCycle": 0.46269038666666668,
  "Trolley.DccpKwHrPerTurn": 18.507615466666667,
  "Trolley.QvrKwHrPerCycle": 0.34159347000000001,
  "Trolley.QvrKwHrPerTurn": 13.663738800000001,
  "Trolley.SavingsKwHrPerTurn": 4.8438766666666666,
  "Hoist.DccpKwHrHoisting": 4.3957354347222228,
  "Hoist.QvrKwHrHoisting": 4.0836972694722222,
  "Hoist.DccpKwHrLowering": 1.2157607547819445,
  "Hoist.QvrKwHrLowering": -3.8462045094791666,
  "Hoist.DccpKwHrPerCycle": 11.222992379008335,
  "Hoist.DccpKwHrPerTurn": 448.91969516033339,
  "Hoist.QvrKwHrPerCycle": 0.47498551998611127,
  "Hoist.QvrKwHrPerTurn": 18.999420799444451,
  "Hoist.SavingsKwHrPerTurn": 429.92027436088893
}
)";

// The value of every member of that name in the output, in order: the writer puts each
// member on a line of its own. "null" stands for an entry that is null.
Texts valuesOf(const std::string& json, const std::string& name) {
    const std::regex member("^ *(null|\"" + name + "\": (.*?)),?$");
    Texts values;
    std::istringstream lines(json);
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, m, member)) {
            values.push_back(m[1] == "null" ? "null" : m[2].str());
        }
    }
    return values;
}

using RunCalc = CalcRunTest;

TEST_F(RunCalc, prints_each_file_it_can_read_with_its_summary_and_reports_the_others) {
    fs::create_directory(folder / "bad.QVR");
    EXPECT_EQ(run({(folder / "bad.QVR").string(), kSteelMill}), 2);
    EXPECT_EQ(out.str(), kSteelMill + "\n  Energy       $41,582.02\n  Maintenance  $1,596.88\n"
                                      "  Inventory    $106,300.00\n  Total        $149,478.90\n");
    EXPECT_EQ(err.str(), "payvanta-calc: The file \"" + (folder / "bad.QVR").string() +
                             "\" could not be read: it is a folder, not a file.\n");
}

TEST_F(RunCalc, json_of_one_file_is_one_object_with_every_result_in_order) {
    EXPECT_EQ(run({"--json", kSteelMill}), 0);
    EXPECT_EQ(out.str(), kSteelMillJson);
    EXPECT_EQ(err.str(), "");
}

TEST_F(RunCalc, json_of_several_files_is_an_array_with_null_for_a_file_that_failed) {
    const std::string missing = (folder / "missing.QVR").string();
    EXPECT_EQ(run({"--json", kPaperMill, missing, kScrapYard, kSteelMill}), 2);
    EXPECT_TRUE(out.str().starts_with("[\n  {\n    \"lblSummaryEnergy\": ")) << out.str();
    EXPECT_TRUE(out.str().ends_with("\n  }\n]\n")) << out.str();
    EXPECT_EQ(valuesOf(out.str(), "lblSummaryTotal"),
              (Texts{"\"$55,684.89\"", "null", "\"$111,199.28\"", "\"$149,478.90\""}));
    // The scrap yard has no trolley drive.
    EXPECT_EQ(valuesOf(out.str(), "Trolley.SavingsKwHrPerTurn").at(2), "0");
    EXPECT_EQ(err.str(), "payvanta-calc: The file \"" + missing +
                             "\" could not be read: No such file or directory.\n");

    out.str("");
    EXPECT_EQ(run({"--json", missing}), 2);
    EXPECT_EQ(out.str(), "null\n");
}

TEST_F(RunCalc, each_file_is_computed_apart_and_missing_tables_are_reported_once) {
    // A file that sets only a few keys gets "0" for the rest, not the values of the file
    // computed before it.
    writeBytes(folder / "sparse.QVR", "CustName = Sparse\r\n");
    TempFolder noTables;
    EXPECT_EQ(run({"--json", kSteelMill, (folder / "sparse.QVR").string()}, noTables.path()), 0);
    EXPECT_EQ(valuesOf(out.str(), "lblSummaryTotal").at(0), "\"$149,478.90\"");
    EXPECT_EQ(valuesOf(out.str(), "Bridge.DccpKwHrPerMove").at(1), "0");
    EXPECT_EQ(valuesOf(out.str(), "Hoist.SavingsKwHrPerTurn").at(1), "0");
    EXPECT_EQ(valuesOf(out.str(), "InventorySavingsTotal").at(1), "0");
    const std::string messages = err.str();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 4) << messages;
}

TEST_F(RunCalc, a_german_locale_reads_german_and_united_states_files_alike) {
    // The steel-mill example as saved in the United States, and with a decimal comma in
    // every number, as an older program saved it in Germany.
    std::string german = readBytes(kSteelMill);
    german = std::regex_replace(german, std::regex("= (-?[0-9]+)\\.([0-9]+)\r"), "= $1,$2\r");
    writeBytes(folder / "Stahlwerk.QVR", german);
    for (const std::string& file : {(folder / "Stahlwerk.QVR").string(), kSteelMill}) {
        out.str("");
        EXPECT_EQ(run({"--locale", "de_DE", "--json", file}), 0);
        EXPECT_EQ(valuesOf(out.str(), "lblSummaryEnergy").at(0), "\"41.582,02 \u20AC\"");
        EXPECT_EQ(valuesOf(out.str(), "lblSumaryMaintenance").at(0), "\"1.596,88 \u20AC\"");
        EXPECT_EQ(valuesOf(out.str(), "lblSummaryInventory").at(0), "\"106.300,00 \u20AC\"");
        EXPECT_EQ(valuesOf(out.str(), "lblSummaryTotal").at(0), "\"149.478,90 \u20AC\"");
        EXPECT_EQ(valuesOf(out.str(), "MaintenanceSavingsTotal").at(0), "1596.8800000000001");
    }
}

} // namespace
