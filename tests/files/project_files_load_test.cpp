#include "files/project_files.h"
#include "model/print_font.h"
#include "recording_hosts.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace payvanta;
using payvanta::test::RecordingFileHost;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

// A complete project. Each motion's fifth step in the file differs from what remains of
// its travel time (hoist 30 s, trolley 30 s, bridge 50 s), so that it shows which one
// the record ends with.
const KeyValueTable kProject{
    {"CustName", "Acme Steel"},
    {"ProjName", "Bay 2"},
    {"cmbStateKw", "PA"},
    {"KwHrRate", "0.10"},
    {"NumLifts", "10"},
    {"MaintPerHour", "50"},
    {"ContactElec", "1000000"},
    {"ContactMech", "1000000"},
    {"HoistNemaSize", "2"},
    {"ContactHoist", "25"},
    {"TrolleyNemaSize", "3"},
    {"ContactTrolley", "20"},
    {"BridgeNemaSize", "4"},
    {"ContactBridge", "21"},
    {"BrakeSize", "13"},
    {"BrakeShoe", "40"},
    {"ShoeLife", "180"},
    {"HoistMotor", "Frame 806 Motor 20HP"},
    {"NumMotorHoist", "1"},
    {"MotorVoltsHoist", "230"},
    {"MotorFLCAmpsHoist", "100"},
    {"HoistFPMHoist", "60"},
    {"LiftDistanceHoist", "30"},
    {"DutyCycleHoist(1)", "1"},
    {"DutyCycleHoist(2)", "1"},
    {"DutyCycleHoist(3)", "1"},
    {"DutyCycleHoist(4)", "1"},
    {"DutyCycleHoist(5)", "99"},
    {"TrolleyMotor", "Frame 804 Motor 10HP"},
    {"NumMotorTrolley", "1"},
    {"MotorVoltsTrolley", "230"},
    {"MotorFLCAmpsTrolley", "38"},
    {"HoistFPMTrolley", "80"},
    {"LiftDistanceTrolley", "40"},
    {"DutyCycleTrolley(1)", "2"},
    {"DutyCycleTrolley(2)", "2"},
    {"DutyCycleTrolley(3)", "2"},
    {"DutyCycleTrolley(4)", "2"},
    {"DutyCycleTrolley(5)", "21.5"},
    {"BridgeMotor", "Frame 808 Motor 25HP"},
    {"NumMotorBridge", "2"},
    {"MotorVoltsBridge", "230"},
    {"MotorFLCAmpsBridge", "95"},
    {"HoistFPMBridge", "120"},
    {"LiftDistanceBridge", "100"},
    {"DutyCycleBridge(1)", "1"},
    {"DutyCycleBridge(2)", "1"},
    {"DutyCycleBridge(3)", "1"},
    {"DutyCycleBridge(4)", "1"},
    {"DutyCycleBridge(5)", "45"},
    {"PrintFontName", "Arial"},
    {"PrintFontSize", "8"},
};

std::string fileText(const KeyValueTable& pairs) {
    std::string text = "* written by a test\r\n";
    for (const auto& [key, value] : pairs) {
        text += key + " = " + value + "\r\n";
    }
    return text;
}

std::size_t menuIndexOf(std::string_view caption) {
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        if (kPrintFontChoices[i].caption == caption) {
            return i;
        }
    }
    ADD_FAILURE() << "no menu item " << caption;
    return kPrintFontChoices.size();
}

class LoadProjectIntoFieldsTest : public ::testing::Test {
protected:
    LoadProjectIntoFieldsTest() : files(model, host, folder.path()) {}

    // Reads the pairs as a chosen project file and copies them into the record, logging
    // every field write ("set Key=value") among the window calls.
    void load(const KeyValueTable& pairs) {
        writeBytes(folder / "Crane.QVR", fileText(pairs));
        model.state.FileChosen = true;
        model.state.CurrentFilePath = (folder / "Crane.QVR").string();
        ASSERT_TRUE(files.ReadKeyValueFile());
        host.log.clear();
        model.record.setChangeObserver([this](Field f) {
            host.log.push_back("set " + std::string(fieldKey(f)) + "=" + model.record.get(f));
            recalcDuringWrites.push_back(model.state.RecalcEnabled);
        });
        // A recalculation left on from an earlier project must be held back too.
        model.state.RecalcEnabled = true;
        files.LoadProjectIntoFields();
        model.record.setChangeObserver(nullptr);
    }

    std::ptrdiff_t position(std::string_view entry) const {
        const auto it = std::find(host.log.begin(), host.log.end(), entry);
        EXPECT_NE(it, host.log.end()) << entry << " was not logged";
        return it - host.log.begin();
    }

    std::ptrdiff_t lastPosition(std::string_view entry) const {
        const auto it = std::find(host.log.rbegin(), host.log.rend(), entry);
        EXPECT_NE(it, host.log.rend()) << entry << " was not logged";
        return host.log.rend() - it - 1;
    }

    std::ptrdiff_t firstPositionStartingWith(std::string_view prefix) const {
        const auto it = std::find_if(host.log.begin(), host.log.end(),
                                     [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        EXPECT_NE(it, host.log.end()) << prefix << " was not logged";
        return it - host.log.begin();
    }

    TempFolder folder;
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files;
    std::vector<bool> recalcDuringWrites;
};

TEST_F(LoadProjectIntoFieldsTest, every_field_gets_its_value) {
    load(kProject);
    for (const auto& [key, value] : kProject) {
        if (key != "PrintFontSize") {
            EXPECT_EQ(model.record.get(key), value) << key;
        }
    }
    EXPECT_EQ(model.record.printFontSize(), 8);
}

TEST_F(LoadProjectIntoFieldsTest, fields_are_set_in_record_order_whatever_the_order_of_the_file) {
    KeyValueTable reversed(kProject.rbegin(), kProject.rend());
    load(reversed);
    // Leave out the fifth steps that the duty-cycle update writes between a motion's
    // distance and its first step.
    std::vector<std::string> order;
    std::string lastKey;
    for (const auto& entry : host.log) {
        if (entry.rfind("set ", 0) != 0) {
            continue;
        }
        const std::string key = entry.substr(4, entry.find('=') - 4);
        const bool updateWrite =
            key.find("(5)") != std::string::npos && lastKey.rfind("LiftDistance", 0) == 0;
        if (!updateWrite && key != "PrintFontName" && key != "PrintFontSize") {
            order.push_back(key);
            lastKey = key;
        }
    }
    std::vector<std::string> expected;
    for (std::size_t i = 0; i + 2 < kProject.size(); ++i) {
        expected.push_back(kProject[i].first);
    }
    EXPECT_EQ(order, expected);
}

TEST_F(LoadProjectIntoFieldsTest, every_field_write_happens_with_recalculation_held_back) {
    load(kProject);
    ASSERT_GE(recalcDuringWrites.size(), 50u);
    EXPECT_TRUE(std::none_of(recalcDuringWrites.begin(), recalcDuringWrites.end(),
                             [](bool on) { return on; }));
    EXPECT_TRUE(model.state.RecalcEnabled);
}

TEST_F(LoadProjectIntoFieldsTest, each_motion_duty_cycle_is_updated_before_its_steps_are_set) {
    load(kProject);
    // The record was empty, so steps 1 to 4 were not numbers yet: the update leaves the
    // whole travel time in the fifth step.
    const struct {
        const char* motion;
        const char* travelTime;
    } motions[] = {{"Hoist", "30"}, {"Trolley", "30"}, {"Bridge", "50"}};
    for (const auto& m : motions) {
        const std::string prefix = std::string("set DutyCycle") + m.motion;
        const auto distance = firstPositionStartingWith("set LiftDistance" + std::string(m.motion));
        const auto update = position(prefix + "(5)=" + m.travelTime);
        const auto firstStep = firstPositionStartingWith(prefix + "(1)=");
        EXPECT_LT(distance, update) << m.motion;
        EXPECT_LT(update, firstStep) << m.motion;
    }
    EXPECT_DOUBLE_EQ(model.dutyCycle.travelTime(Motion::Hoist), 30.0);
    EXPECT_DOUBLE_EQ(model.dutyCycle.travelTime(Motion::Trolley), 30.0);
    EXPECT_DOUBLE_EQ(model.dutyCycle.travelTime(Motion::Bridge), 50.0);
}

TEST_F(LoadProjectIntoFieldsTest, the_update_uses_the_steps_the_record_held_before) {
    for (const Motion m : kMotions) {
        for (int step = 1; step <= 4; ++step) {
            model.record.set(dutyCycleField(m, step), "2.5");
        }
    }
    load(kProject);
    EXPECT_LT(position("set DutyCycleHoist(5)=20"), position("set DutyCycleHoist(1)=1"));
    EXPECT_LT(position("set DutyCycleBridge(5)=40"), position("set DutyCycleBridge(1)=1"));
}

TEST_F(LoadProjectIntoFieldsTest, the_fifth_step_of_the_file_replaces_the_computed_one) {
    load(kProject);
    EXPECT_EQ(model.record.get(Field::DutyCycleHoist5), "99");
    EXPECT_EQ(model.record.get(Field::DutyCycleTrolley5), "21.5");
    EXPECT_EQ(model.record.get(Field::DutyCycleBridge5), "45");
}

TEST_F(LoadProjectIntoFieldsTest, progress_marks_each_group_once_it_is_in_place) {
    load(kProject);
    EXPECT_EQ(host.progressValues(), (std::vector<int>{30, 35, 40, 45, 50}));
    EXPECT_LT(position("set MaintPerHour=50"), position("progress 30"));
    EXPECT_LT(position("progress 30"), position("set ContactElec=1000000"));
    EXPECT_LT(position("set ShoeLife=180"), position("progress 35"));
    EXPECT_LT(position("progress 35"), position("set HoistMotor=Frame 806 Motor 20HP"));
    EXPECT_LT(position("set DutyCycleHoist(5)=99"), position("progress 40"));
    EXPECT_LT(position("progress 40"), position("set TrolleyMotor=Frame 804 Motor 10HP"));
    EXPECT_LT(position("set DutyCycleTrolley(5)=21.5"), position("progress 45"));
    EXPECT_LT(position("progress 45"), position("set BridgeMotor=Frame 808 Motor 25HP"));
    EXPECT_LT(position("set DutyCycleBridge(5)=45"), position("progress 50"));
}

TEST_F(LoadProjectIntoFieldsTest, one_recalculation_ends_the_load) {
    load(kProject);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "recalculated"), 1);
    EXPECT_EQ(host.log.back(), "recalculated");
    EXPECT_LT(position("progress 50"), position("recalculated"));
    EXPECT_LT(firstPositionStartingWith("font "), position("recalculated"));
    EXPECT_FALSE(model.summary.lblSummaryEnergy.empty());
    EXPECT_FALSE(model.summary.lblSumaryMaintenance.empty());
    EXPECT_FALSE(model.summary.lblSummaryInventory.empty());
    EXPECT_FALSE(model.summary.lblSummaryTotal.empty());
}

TEST_F(LoadProjectIntoFieldsTest, the_recalculation_uses_the_fifth_steps_of_the_file) {
    load(kProject);
    SavingsModel again;
    for (const Field f : allFields()) {
        again.record.set(f, model.record.get(f));
    }
    again.state.RecalcEnabled = true;
    again.RecalculateAll();
    EXPECT_EQ(model.summary.lblSummaryEnergy, again.summary.lblSummaryEnergy);
    EXPECT_EQ(model.summary.lblSummaryTotal, again.summary.lblSummaryTotal);
}

TEST_F(LoadProjectIntoFieldsTest, a_missing_key_leaves_zero_in_its_field_text_fields_too) {
    KeyValueTable pairs = kProject;
    std::erase_if(pairs, [](const auto& p) {
        return p.first == "CustName" || p.first == "KwHrRate" || p.first == "DutyCycleBridge(5)";
    });
    load(pairs);
    EXPECT_EQ(model.record.get(Field::CustName), "0");
    EXPECT_EQ(model.record.get(Field::KwHrRate), "0");
    EXPECT_EQ(model.record.get(Field::DutyCycleBridge5), "0");
    EXPECT_EQ(model.record.get(Field::ProjName), "Bay 2");
}

TEST_F(LoadProjectIntoFieldsTest, a_file_without_settings_leaves_every_field_zero) {
    load({});
    for (const Field f : allFields()) {
        if (f != Field::PrintFontName && f != Field::PrintFontSize) {
            EXPECT_EQ(model.record.get(f), "0") << fieldKey(f);
        }
    }
    EXPECT_EQ(model.record.printFontName(), "MS Sans Serif");
    EXPECT_EQ(model.record.printFontSize(), 8);
    EXPECT_TRUE(model.state.RecalcEnabled);
}

TEST_F(LoadProjectIntoFieldsTest, texts_that_are_not_numbers_are_loaded_unchanged) {
    KeyValueTable pairs = kProject;
    for (auto& [key, value] : pairs) {
        if (key == "KwHrRate") {
            value = "cheap";
        } else if (key == "NumLifts") {
            value = "1,000";
        } else if (key == "ShoeLife") {
            value = "\t180";
        }
    }
    load(pairs);
    EXPECT_EQ(model.record.get(Field::KwHrRate), "cheap");
    EXPECT_EQ(model.record.get(Field::NumLifts), "1,000");
    EXPECT_EQ(model.record.get(Field::ShoeLife), "\t180");
}

struct FontCase {
    const char* name;
    std::string fontName;
    std::string fontSize;
    std::string expectedName;
    std::int16_t expectedSize;
    std::string_view checkedCaption;
};

class PrintFontOnLoad : public LoadProjectIntoFieldsTest,
                        public ::testing::WithParamInterface<FontCase> {};

TEST_P(PrintFontOnLoad, keeps_the_five_pairs_and_makes_any_other_the_default) {
    KeyValueTable pairs = kProject;
    std::erase_if(pairs, [](const auto& p) { return p.first.rfind("PrintFont", 0) == 0; });
    if (!GetParam().fontName.empty()) {
        pairs.emplace_back("PrintFontName", GetParam().fontName);
    }
    if (!GetParam().fontSize.empty()) {
        pairs.emplace_back("PrintFontSize", GetParam().fontSize);
    }
    load(pairs);
    EXPECT_EQ(model.record.printFontName(), GetParam().expectedName);
    EXPECT_EQ(model.record.printFontSize(), GetParam().expectedSize);
    EXPECT_EQ(host.checkedFonts, std::vector<std::size_t>{menuIndexOf(GetParam().checkedCaption)});
}

constexpr std::string_view kDefaultCaption = "MS Sans Serif - 8 - Default";

INSTANTIATE_TEST_SUITE_P(
    Fonts, PrintFontOnLoad,
    ::testing::Values(
        FontCase{"arial_7", "Arial", "7", "Arial", 7, "Arial - 7"},
        FontCase{"arial_8", "Arial", "8", "Arial", 8, "Arial - 8"},
        FontCase{"times_7", "Times New Roman", "7", "Times New Roman", 7, "Times New Roman - 7"},
        FontCase{"times_8", "Times New Roman", "8", "Times New Roman", 8, "Times New Roman - 8"},
        FontCase{"ms_sans_serif_8", "MS Sans Serif", "8", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"arial_10", "Arial", "10", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"arial_12", "Arial", "12", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"times_11", "Times New Roman", "11", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"ms_sans_serif_7", "MS Sans Serif", "7", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"lower_case_name", "arial", "8", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"size_not_a_number", "Arial", "big", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"size_beyond_16_bits", "Arial", "65544", "MS Sans Serif", 8, kDefaultCaption},
        FontCase{"both_missing", "", "", "MS Sans Serif", 8, kDefaultCaption}),
    [](const ::testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

} // namespace
