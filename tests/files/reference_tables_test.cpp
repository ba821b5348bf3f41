#include "files/reference_tables.h"
#include "recording_hosts.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace payvanta;
using payvanta::test::RecordingTableHost;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

using Items = std::vector<std::string>;

const std::string kHalfHourItem = "Frame 802 Motor 50HP \u00BD Hour Rating ~ 230 ~ 180 ~ 2 ~ 4";

class ReferenceTablesTest : public ::testing::Test {
protected:
    void write(std::string_view name, const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        writeBytes(folder / name, text);
    }

    TempFolder folder;
    files::SelectionLists lists;
    RecordingTableHost host;
};

class HalfHourRowSpellings : public ReferenceTablesTest,
                             public ::testing::WithParamInterface<std::string> {};

TEST_P(HalfHourRowSpellings, give_one_hoist_item) {
    write(files::kMotorCatalogueFile, {GetParam()});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    EXPECT_EQ(lists.cmbHoistMotor, Items{kHalfHourItem});
    EXPECT_TRUE(lists.cmbTrolleyMotor.empty());
    EXPECT_TRUE(lists.cmbBridgeMotor.empty());
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HalfHourRowSpellings,
    ::testing::Values("\xBD Hour Rating;802;50;37.3;180;230;2;TENV;4",
                      "   \xBD Hour Rating   ;  802 ; 50 ; 37.3 ;  180  ; 230 ;  2  ; TENV ;  4  ",
                      "\t\xBD Hour\t Rating\t;\t8\t02\t;\t50\t;x;\t180\t;\t230;2\t;x;\t4\t",
                      " \t \xBD Hour Rating \t ; \t 802\t ;50; ; 180 ;230;2 ;;4",
                      "\xC2\xBD Hour Rating ; 802 ;\t50;x;180;230;2;x;4",
                      "\xEF\xBB\xBF\xC2\xBD Hour Rating;802;50;x;180;230;2;x;4"));

TEST_F(ReferenceTablesTest, an_empty_brake_field_leaves_the_brake_part_out) {
    write(files::kMotorCatalogueFile, {"\xBD Hour Rating;802;50;x;180;230;2;x;",
                                       "\xBD Hour Rating;802;50;x;180;230;2;x; \t \t"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    const std::string item = "Frame 802 Motor 50HP \u00BD Hour Rating ~ 230 ~ 180 ~ 2";
    EXPECT_EQ(lists.cmbHoistMotor, (Items{item, item}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReferenceTablesTest, a_one_hour_row_gives_one_item_to_the_trolley_and_one_to_the_bridge) {
    write(files::kMotorCatalogueFile, {"1 Hour Rating;804;10;7.5;38;230;2;TENV;"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    const std::string item = "Frame 804 Motor 10HP 1 Hour Rating ~ 230 ~ 38 ~ 2";
    EXPECT_EQ(lists.cmbTrolleyMotor, Items{item});
    EXPECT_EQ(lists.cmbBridgeMotor, Items{item});
    EXPECT_TRUE(lists.cmbHoistMotor.empty());
}

TEST_F(ReferenceTablesTest, motor_items_keep_file_order_and_fields_past_the_ninth_are_ignored) {
    write(files::kMotorCatalogueFile,
          {"1 Hour Rating;806;15;x;57;230;3;x;;extra;more",
           "\xBD Hour Rating;802;50;x;180;230;2;x;4", "1 Hour Rating;802;5;x;19;230;1;x;"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    EXPECT_EQ(lists.cmbTrolleyMotor, (Items{"Frame 806 Motor 15HP 1 Hour Rating ~ 230 ~ 57 ~ 3",
                                            "Frame 802 Motor 5HP 1 Hour Rating ~ 230 ~ 19 ~ 1"}));
    EXPECT_EQ(lists.cmbBridgeMotor, lists.cmbTrolleyMotor);
    EXPECT_EQ(lists.cmbHoistMotor, Items{kHalfHourItem});
    EXPECT_TRUE(host.messages.empty());
}

struct UnknownDuty {
    const char* name;
    std::string field;
    std::string shown;
};

class UnknownDutyTypes : public ReferenceTablesTest,
                         public ::testing::WithParamInterface<UnknownDuty> {};

TEST_P(UnknownDutyTypes, are_reported_once_and_give_no_item_while_reading_goes_on) {
    write(files::kMotorCatalogueFile, {GetParam().field + ";802;50;x;180;230;2;x;4",
                                       "\xBD Hour Rating;802;50;x;180;230;2;x;4"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    EXPECT_EQ(host.messages,
              Items{"Unknown Duty type: " + GetParam().shown + " in MillMoto.ini file."});
    EXPECT_EQ(lists.cmbHoistMotor, Items{kHalfHourItem});
    EXPECT_TRUE(lists.cmbTrolleyMotor.empty());
    EXPECT_TRUE(lists.cmbBridgeMotor.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Types, UnknownDutyTypes,
    ::testing::Values(UnknownDuty{"lower_case", "1 hour rating", "1 hour rating"},
                      UnknownDuty{"upper_case", "1 HOUR RATING", "1 HOUR RATING"},
                      UnknownDuty{"half_hour_in_other_case", "\xBD hour rating",
                                  "\u00BD hour rating"},
                      UnknownDuty{"two_hours", "2 Hour Rating", "2 Hour Rating"},
                      UnknownDuty{"padded", " \t1 hour rating\t ", "1 hour rating"},
                      UnknownDuty{"empty", "", ""}),
    [](const ::testing::TestParamInfo<UnknownDuty>& info) { return std::string(info.param.name); });

TEST_F(ReferenceTablesTest, each_unknown_duty_row_gets_its_own_message_in_file_order) {
    write(files::kMotorCatalogueFile, {"A;802;50;x;180;230;2;x;4", "B;802;50;x;180;230;2;x;4"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    EXPECT_EQ(host.messages, (Items{"Unknown Duty type: A in MillMoto.ini file.",
                                    "Unknown Duty type: B in MillMoto.ini file."}));
}

TEST_F(ReferenceTablesTest, the_catalogue_shows_progress_60_then_70) {
    write(files::kMotorCatalogueFile, {"\xBD Hour Rating;802;50;x;180;230;2;x;4"});
    files::LoadMotorCatalogue(folder.path(), lists, host);
    EXPECT_EQ(host.progressValues, (std::vector<int>{60, 70}));
}

TEST_F(ReferenceTablesTest, rows_end_at_crlf_lf_or_a_lone_cr) {
    writeBytes(folder / files::kShoeCostsFile,
               "8;8;2;x;75.00\r\n10;10;2;x;100.00\n13;13;2;x;150.00\r16;16;2;x;225.00");
    files::LoadShoeCosts(folder.path(), lists, host);
    EXPECT_EQ(lists.cmbBrakeSize, (Items{"8 75.00", "10 100.00", "13 150.00", "16 225.00"}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReferenceTablesTest, a_tip_row_gives_the_same_item_to_each_nema_list) {
    write(files::kTipCostsFile, {"2;50;1;illustrative;300.00", " 3\t; 100 ;1;x;\t450.00 "});
    files::LoadTipCosts(folder.path(), lists, host);
    const Items expected{"2 300.00", "3 450.00"};
    EXPECT_EQ(lists.cmbBridgeNemaSize, expected);
    EXPECT_EQ(lists.cmbHoistNemaSize, expected);
    EXPECT_EQ(lists.cmbTrolleyNemaSize, expected);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReferenceTablesTest, a_shoe_row_gives_its_size_and_cost) {
    write(files::kShoeCostsFile, {"13;13;2;illustrative;150.00", "\t16 ;16;2;x; 225.00\t;x"});
    files::LoadShoeCosts(folder.path(), lists, host);
    EXPECT_EQ(lists.cmbBrakeSize, (Items{"13 150.00", "16 225.00"}));
    EXPECT_TRUE(host.messages.empty());
}

struct RateRow {
    const char* name;
    std::string line;
    std::string item;
};

class UtilityRateRows : public ReferenceTablesTest,
                        public ::testing::WithParamInterface<RateRow> {};

TEST_P(UtilityRateRows, give_the_state_and_the_rest_of_the_line) {
    write(files::kUtilityRatesFile, {GetParam().line});
    files::LoadUtilityRates(folder.path(), lists, host);
    EXPECT_EQ(lists.cmbStateKw, Items{GetParam().item});
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UtilityRateRows,
    ::testing::Values(
        RateRow{"plain", "PA;0.0775", "PA 0.0775"},
        RateRow{"spaced", "  PA  ;  0.0775  ", "PA 0.0775"},
        RateRow{"three_fields_keep_the_second_separator", "PA;0.0775;peak", "PA 0.0775;peak"},
        RateRow{"three_fields_spaced", "PA ; 0.0775 ; peak ", "PA 0.0775 ; peak"},
        RateRow{"tabs_leave_the_rate_wherever_they_stand", "PA;\t0.07\t75\t", "PA 0.0775"},
        // The state is trimmed of spaces only.
        RateRow{"a_tab_stays_in_the_state", "PA\t;0.0775", "PA\t 0.0775"}),
    [](const ::testing::TestParamInfo<RateRow>& info) { return std::string(info.param.name); });

TEST_F(ReferenceTablesTest, blank_lines_comments_and_lines_without_separator_are_skipped_silently) {
    const std::vector<std::string> noise{"",
                                         "   ",
                                         "* comment; with; separators; ;;;;;;;;",
                                         "     *indented;comment;;;;;;;;",
                                         "a line without any separator",
                                         "PA 0.0775"};
    for (const auto name : {files::kUtilityRatesFile, files::kTipCostsFile, files::kShoeCostsFile,
                            files::kMotorCatalogueFile}) {
        write(name, noise);
    }
    files::LoadReferenceTables(folder.path(), lists, host);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    EXPECT_TRUE(lists.cmbStateKw.empty());
    EXPECT_TRUE(lists.cmbHoistNemaSize.empty());
    EXPECT_TRUE(lists.cmbBrakeSize.empty());
    EXPECT_TRUE(lists.cmbHoistMotor.empty());
    EXPECT_TRUE(lists.cmbTrolleyMotor.empty());
}

struct ShortRow {
    std::string_view file;
    std::string line;
};

class ShortRows : public ReferenceTablesTest, public ::testing::WithParamInterface<ShortRow> {};

// The short row stands on line 17, among rows that are read.
TEST_P(ShortRows, are_reported_with_file_and_line_and_left_out) {
    std::vector<std::string> lines(15, "* comment");
    lines[3] = "";
    const std::string good = GetParam().file == files::kMotorCatalogueFile
                                 ? "1 Hour Rating;802;5;x;19;230;1;x;"
                                 : "2;50;1;x;300.00";
    lines.push_back(good);
    lines.push_back(GetParam().line);
    lines.push_back(good);
    write(GetParam().file, lines);
    files::LoadReferenceTables(folder.path(), lists, host);

    std::vector<std::string> about;
    for (const auto& m : host.messages) {
        if (m.find(GetParam().file) != std::string::npos) {
            about.push_back(m);
        }
    }
    ASSERT_EQ(about.size(), 1u);
    EXPECT_NE(about[0].find("17"), std::string::npos) << about[0];
    const auto count = GetParam().file == files::kTipCostsFile    ? lists.cmbHoistNemaSize.size()
                       : GetParam().file == files::kShoeCostsFile ? lists.cmbBrakeSize.size()
                                                                  : lists.cmbTrolleyMotor.size();
    EXPECT_EQ(count, 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ShortRows,
    ::testing::Values(ShortRow{files::kTipCostsFile, "2;50;1;300.00"},
                      ShortRow{files::kShoeCostsFile, "13;13;150.00"},
                      ShortRow{files::kMotorCatalogueFile, "1 Hour Rating;802;5;x;19;230;1;x"},
                      ShortRow{files::kMotorCatalogueFile, "\xBD Hour Rating;802"}));

TEST_F(ReferenceTablesTest, missing_tables_are_each_reported_with_their_path_in_reading_order) {
    files::LoadReferenceTables(folder.path(), lists, host);
    ASSERT_EQ(host.messages.size(), 4u);
    const char* order[] = {"UtilRate.ini", "TipCosts.ini", "ShoeCost.ini", "MillMoto.ini"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NE(host.messages[i].find((folder / order[i]).string()), std::string::npos)
            << host.messages[i];
    }
}

TEST_F(ReferenceTablesTest, a_missing_table_does_not_stop_the_others) {
    write(files::kUtilityRatesFile, {"PA;0.0775"});
    fs::create_directory(folder / files::kTipCostsFile);
    write(files::kShoeCostsFile, {"13;13;2;x;150.00"});
    write(files::kMotorCatalogueFile, {"\xBD Hour Rating;802;50;x;180;230;2;x;4"});
    files::LoadReferenceTables(folder.path(), lists, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find((folder / "TipCosts.ini").string()), std::string::npos);
    EXPECT_EQ(lists.cmbStateKw, Items{"PA 0.0775"});
    EXPECT_EQ(lists.cmbBrakeSize, Items{"13 150.00"});
    EXPECT_EQ(lists.cmbHoistMotor, Items{kHalfHourItem});
}

TEST(ShippedTables, read_without_any_message_into_the_expected_lists) {
    files::SelectionLists lists;
    RecordingTableHost host;
    files::LoadReferenceTables(PAYVANTA_DATA_DIR, lists, host);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    EXPECT_EQ(lists.cmbStateKw.size(), 52u); // 50 states, DC and the national average
    EXPECT_EQ(lists.cmbStateKw.front(), "AL 0.0711");
    EXPECT_EQ(lists.cmbStateKw.back(), "US 0.0804");
    for (const auto* nema :
         {&lists.cmbBridgeNemaSize, &lists.cmbHoistNemaSize, &lists.cmbTrolleyNemaSize}) {
        EXPECT_EQ(nema->size(), 8u);
        EXPECT_EQ(nema->front(), "1 200.00");
    }
    EXPECT_EQ(lists.cmbBrakeSize.size(), 7u);
    EXPECT_EQ(lists.cmbBrakeSize.front(), "8 75.00");
    ASSERT_EQ(lists.cmbHoistMotor.size(), 11u);
    EXPECT_EQ(lists.cmbHoistMotor[0], "Frame NONE Motor 0HP \u00BD Hour Rating ~ 0 ~ 1 ~ 1");
    EXPECT_EQ(lists.cmbHoistMotor[1],
              "Frame 802 Motor 7.5HP \u00BD Hour Rating ~ 230 ~ 29 ~ 2 ~ 8");
    EXPECT_EQ(lists.cmbTrolleyMotor.size(), 11u);
    EXPECT_EQ(lists.cmbBridgeMotor, lists.cmbTrolleyMotor);
    EXPECT_EQ(lists.cmbTrolleyMotor.back(), "Frame 818 Motor 150HP 1 Hour Rating ~ 230 ~ 572 ~ 6");
}

TEST(StripTabs, removes_every_tab_then_the_outer_spaces_in_place) {
    std::string text = " \t 8\t0 2 \t ";
    EXPECT_EQ(files::StripTabs(text), "80 2");
    EXPECT_EQ(text, "80 2");
    std::string onlyTabs = "\t\t";
    EXPECT_EQ(files::StripTabs(onlyTabs), "");
}

TEST(FormatMotorItem, builds_the_description_then_the_values) {
    EXPECT_EQ(files::FormatMotorItem("\u00BD Hour Rating", "802", "50", "230", "180", "2", "4"),
              kHalfHourItem);
    EXPECT_EQ(files::FormatMotorItem("1 Hour Rating", "810", "35", "230", "134", "4", ""),
              "Frame 810 Motor 35HP 1 Hour Rating ~ 230 ~ 134 ~ 4");
}

} // namespace
