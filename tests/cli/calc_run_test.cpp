#include "cli/calc_run.h"
#include "json_reader.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace payvanta;
using payvanta::test::JsonReader;
using payvanta::test::JsonValue;
using payvanta::test::readBytes;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

const fs::path kExamples = fs::path(PAYVANTA_DATA_DIR) / "examples";

std::string example(const char* name) {
    return (kExamples / name).string();
}

const char* const kPaperMill = "paper-mill-roll-crane.QVR";
const char* const kScrapYard = "scrap-yard-magnet-crane.QVR";
const char* const kSteelMill = "steel-mill-ladle-crane.QVR";

// The members of one result, in their order.
const std::vector<std::string> kMembers{
    "lblSummaryEnergy",          "lblSumaryMaintenance",       "lblSummaryInventory",
    "lblSummaryTotal",           "InventorySavingsTotal",      "MaintenanceSavingsTotal",
    "Bridge.DccpKwHrPerMove",    "Bridge.QvrKwHrPerMove",      "Bridge.DccpKwHrPerCycle",
    "Bridge.DccpKwHrPerTurn",    "Bridge.QvrKwHrPerCycle",     "Bridge.QvrKwHrPerTurn",
    "Bridge.SavingsKwHrPerTurn", "Trolley.DccpKwHrPerMove",    "Trolley.QvrKwHrPerMove",
    "Trolley.DccpKwHrPerCycle",  "Trolley.DccpKwHrPerTurn",    "Trolley.QvrKwHrPerCycle",
    "Trolley.QvrKwHrPerTurn",    "Trolley.SavingsKwHrPerTurn", "Hoist.DccpKwHrHoisting",
    "Hoist.QvrKwHrHoisting",     "Hoist.DccpKwHrLowering",     "Hoist.QvrKwHrLowering",
    "Hoist.DccpKwHrPerCycle",    "Hoist.DccpKwHrPerTurn",      "Hoist.QvrKwHrPerCycle",
    "Hoist.QvrKwHrPerTurn",      "Hoist.SavingsKwHrPerTurn",
};

// The steel-mill example worked through by hand from its file: 40 lifts per turn at
// 0.0824 dollars per kW-hr, two 515 A hoist motors, two 286 A bridge motors.
const std::vector<std::pair<std::string, std::string>> kSteelMillResults{
    {"lblSummaryEnergy", "$41,582.02"},
    {"lblSumaryMaintenance", "$1,596.88"},
    {"lblSummaryInventory", "$106,300.00"},
    {"lblSummaryTotal", "$149,478.90"},
    {"InventorySavingsTotal", "106300"},
    {"MaintenanceSavingsTotal", "1596.88"},
    {"Bridge.DccpKwHrPerMove", "0.9422418561111112"},
    {"Bridge.QvrKwHrPerMove", "0.7063568226"},
    {"Bridge.DccpKwHrPerCycle", "3.768967424444445"},
    {"Bridge.DccpKwHrPerTurn", "150.7586969777778"},
    {"Bridge.QvrKwHrPerCycle", "2.8254272904"},
    {"Bridge.QvrKwHrPerTurn", "113.017091616"},
    {"Bridge.SavingsKwHrPerTurn", "37.741605361777786"},
    {"Trolley.DccpKwHrPerMove", "0.23134519333333334"},
    {"Trolley.QvrKwHrPerMove", "0.170796735"},
    {"Trolley.DccpKwHrPerCycle", "0.4626903866666667"},
    {"Trolley.DccpKwHrPerTurn", "18.507615466666667"},
    {"Trolley.QvrKwHrPerCycle", "0.34159347"},
    {"Trolley.QvrKwHrPerTurn", "13.6637388"},
    {"Trolley.SavingsKwHrPerTurn", "4.843876666666667"},
    {"Hoist.DccpKwHrHoisting", "4.395735434722223"},
    {"Hoist.QvrKwHrHoisting", "4.083697269472222"},
    {"Hoist.DccpKwHrLowering", "1.2157607547819445"},
    {"Hoist.QvrKwHrLowering", "-3.8462045094791666"},
    {"Hoist.DccpKwHrPerCycle", "11.222992379008335"},
    {"Hoist.DccpKwHrPerTurn", "448.9196951603334"},
    {"Hoist.QvrKwHrPerCycle", "0.47498551998611127"},
    {"Hoist.QvrKwHrPerTurn", "18.99942079944445"},
    {"Hoist.SavingsKwHrPerTurn", "429.9202743608889"},
};

struct Summary {
    const char* file;
    const char* energy;
    const char* maintenance;
    const char* inventory;
    const char* total;
};

const Summary kSummaries[] = {
    {kPaperMill, "$9,479.14", "$750.75", "$45,455.00", "$55,684.89"},
    {kScrapYard, "$6,392.24", "$1,607.04", "$103,200.00", "$111,199.28"},
    {kSteelMill, "$41,582.02", "$1,596.88", "$106,300.00", "$149,478.90"},
};

// Each text found after the one before it.
::testing::AssertionResult appearInOrder(const std::string& text,
                                         const std::vector<std::string>& parts) {
    std::size_t at = 0;
    for (const auto& part : parts) {
        const auto found = text.find(part, at);
        if (found == std::string::npos) {
            return ::testing::AssertionFailure() << "\"" << part << "\" not found in order in\n"
                                                 << text;
        }
        at = found + part.size();
    }
    return ::testing::AssertionSuccess();
}

class RunCalcTest : public ::testing::Test {
protected:
    RunCalcTest() { test::copyShippedData(folder.path()); }

    int run(std::vector<std::string> args) {
        auto parsed = cli::parseCalcOptions(args);
        EXPECT_TRUE(parsed.options) << parsed.error;
        if (!parsed.options) {
            return -1;
        }
        out.str("");
        err.str("");
        return cli::runCalc(*parsed.options, folder.path(), out, err);
    }

    JsonValue json() {
        std::string error;
        auto value = JsonReader::read(out.str(), &error);
        EXPECT_TRUE(value.has_value()) << error << "\n" << out.str();
        return value.value_or(JsonValue{});
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(RunCalcTest, prints_each_file_with_its_four_summary_amounts) {
    std::vector<std::string> args;
    for (const auto& s : kSummaries) {
        args.push_back(example(s.file));
    }
    EXPECT_EQ(run(args), 0);
    EXPECT_EQ(err.str(), "");
    std::vector<std::string> expected;
    for (const auto& s : kSummaries) {
        expected.insert(expected.end(),
                        {example(s.file), "Energy", s.energy, "Maintenance", s.maintenance,
                         "Inventory", s.inventory, "Total", s.total});
    }
    EXPECT_TRUE(appearInOrder(out.str(), expected));
}

TEST_F(RunCalcTest, json_of_one_file_is_one_object_with_the_members_in_order) {
    EXPECT_EQ(run({"--json", example(kSteelMill)}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.kind, JsonValue::Kind::Object);
    std::vector<std::string> names;
    for (const auto& [name, value] : v.members) {
        names.push_back(name);
    }
    EXPECT_EQ(names, kMembers);
}

TEST_F(RunCalcTest, json_holds_the_results_of_the_worked_example) {
    EXPECT_EQ(run({"--json", example(kSteelMill)}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.members.size(), kSteelMillResults.size());
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(v.members[i].second.kind, JsonValue::Kind::String);
        EXPECT_EQ(v.members[i].second.text, kSteelMillResults[i].second);
    }
    for (std::size_t i = 4; i < v.members.size(); ++i) {
        const auto& [name, value] = v.members[i];
        ASSERT_EQ(value.kind, JsonValue::Kind::Number) << name;
        EXPECT_EQ(std::strtod(value.text.c_str(), nullptr),
                  std::strtod(kSteelMillResults[i].second.c_str(), nullptr))
            << name << " is " << value.text;
    }
}

TEST_F(RunCalcTest, json_numbers_carry_17_significant_digits) {
    EXPECT_EQ(run({"--json", example(kSteelMill)}), 0);
    const JsonValue v = json();
    for (std::size_t i = 4; i < v.members.size(); ++i) {
        const std::string& text = v.members[i].second.text;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.17g", std::strtod(text.c_str(), nullptr));
        EXPECT_EQ(text, expected) << v.members[i].first;
    }
}

TEST_F(RunCalcTest, json_of_several_files_is_an_array_in_file_order) {
    EXPECT_EQ(run({"--json", example(kPaperMill), example(kScrapYard), example(kSteelMill)}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.kind, JsonValue::Kind::Array);
    ASSERT_EQ(v.items.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(v.items[i].kind, JsonValue::Kind::Object);
        EXPECT_EQ(v.items[i].member("lblSummaryTotal")->text, kSummaries[i].total);
    }
    // The scrap yard has no trolley drive.
    EXPECT_EQ(v.items[1].member("Trolley.SavingsKwHrPerTurn")->text, "0");
}

TEST_F(RunCalcTest, a_failing_file_is_reported_and_null_while_the_others_are_computed) {
    const std::string missing = (folder / "missing.QVR").string();
    EXPECT_EQ(run({"--json", example(kPaperMill), missing, example(kSteelMill)}), 2);
    const JsonValue v = json();
    ASSERT_EQ(v.kind, JsonValue::Kind::Array);
    ASSERT_EQ(v.items.size(), 3u);
    EXPECT_EQ(v.items[0].member("lblSummaryTotal")->text, "$55,684.89");
    EXPECT_EQ(v.items[1].kind, JsonValue::Kind::Null);
    EXPECT_EQ(v.items[2].member("lblSummaryTotal")->text, "$149,478.90");
    EXPECT_TRUE(appearInOrder(err.str(), {missing, "No such file or directory"}));
}

TEST_F(RunCalcTest, json_of_one_failing_file_is_null) {
    EXPECT_EQ(run({"--json", (folder / "missing.QVR").string()}), 2);
    EXPECT_EQ(json().kind, JsonValue::Kind::Null);
}

struct BadFile {
    const char* name;
    void (*make)(const fs::path&);
};

class BadProjectFiles : public RunCalcTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProjectFiles, give_a_message_and_status_2_and_the_next_file_is_still_computed) {
    const fs::path bad = folder / "bad.QVR";
    GetParam().make(bad);
    EXPECT_EQ(run({bad.string(), example(kSteelMill)}), 2);
    EXPECT_NE(err.str().find(bad.string()), std::string::npos) << err.str();
    EXPECT_TRUE(appearInOrder(out.str(), {example(kSteelMill), "Total", "$149,478.90"}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadProjectFiles,
    ::testing::Values(
        BadFile{"missing", [](const fs::path&) {}},
        BadFile{"a_folder", [](const fs::path& p) { fs::create_directory(p); }},
        BadFile{"binary",
                [](const fs::path& p) {
                    writeBytes(p, std::string("\x7F"
                                              "ELF\0\0\0\1\2",
                                              9));
                }},
        BadFile{"huge", [](const fs::path& p) { writeBytes(p, std::string(3 << 20, 'A')); }},
        BadFile{"endless_device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

// The steel-mill example with its numbers written the German way.
std::string germanSteelMill() {
    std::string text = readBytes(kExamples / kSteelMill);
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find(" = ");
        if (eq != std::string::npos &&
            line.find_first_not_of("0123456789.\r", eq + 3) == std::string::npos) {
            for (auto i = eq; i < line.size(); ++i) {
                if (line[i] == '.') {
                    line[i] = ',';
                }
            }
        }
        out += line + "\n";
    }
    return out;
}

TEST_F(RunCalcTest, a_german_locale_reads_german_numbers_and_shows_german_amounts) {
    const fs::path german = folder / "Stahlwerk.QVR";
    writeBytes(german, germanSteelMill());
    EXPECT_EQ(run({"--locale", "de_DE", "--json", german.string()}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.kind, JsonValue::Kind::Object);
    EXPECT_EQ(v.member("lblSummaryEnergy")->text, "41.582,02 \u20AC");
    EXPECT_EQ(v.member("lblSumaryMaintenance")->text, "1.596,88 \u20AC");
    EXPECT_EQ(v.member("lblSummaryInventory")->text, "106.300,00 \u20AC");
    EXPECT_EQ(v.member("lblSummaryTotal")->text, "149.478,90 \u20AC");
    EXPECT_EQ(v.member("MaintenanceSavingsTotal")->text, "1596.8800000000001");
}

TEST_F(RunCalcTest, the_same_file_twice_gives_the_same_results_twice) {
    EXPECT_EQ(run({"--json", example(kScrapYard), example(kScrapYard)}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.items.size(), 2u);
    for (std::size_t i = 0; i < v.items[0].members.size(); ++i) {
        EXPECT_EQ(v.items[0].members[i].second.text, v.items[1].members[i].second.text)
            << v.items[0].members[i].first;
    }
}

TEST_F(RunCalcTest, files_are_computed_apart_from_one_another) {
    // A file that sets only a few keys gets "0" for the rest, not the values of the file
    // computed before it.
    const fs::path sparse = folder / "sparse.QVR";
    writeBytes(sparse, "CustName = Sparse\r\n");
    EXPECT_EQ(run({"--json", example(kSteelMill), sparse.string()}), 0);
    const JsonValue v = json();
    ASSERT_EQ(v.items.size(), 2u);
    const JsonValue& second = v.items[1];
    EXPECT_EQ(second.member("Bridge.DccpKwHrPerMove")->text, "0");
    EXPECT_EQ(second.member("Hoist.SavingsKwHrPerTurn")->text, "0");
    EXPECT_EQ(second.member("InventorySavingsTotal")->text, "0");
}

TEST_F(RunCalcTest, a_program_folder_without_tables_still_computes_the_files) {
    TempFolder empty;
    auto parsed = cli::parseCalcOptions({"--json", example(kSteelMill)});
    ASSERT_TRUE(parsed.options);
    cli::runCalc(*parsed.options, empty.path(), out, err);
    const JsonValue v = json();
    ASSERT_EQ(v.kind, JsonValue::Kind::Object);
    EXPECT_EQ(v.member("lblSummaryTotal")->text, "$149,478.90");
}

} // namespace
