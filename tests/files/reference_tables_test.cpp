#include "files/reference_tables.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace payvanta;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

// A problem in short: "short TipCosts.ini line 4: 4 of 5", "duty 1 hour rating",
// "unreadable <path>: <reason>".
std::string brief(const files::TableProblem& p) {
    using Kind = files::TableProblem::Kind;
    switch (p.kind) {
    case Kind::Unreadable:
        return "unreadable " + p.failure.path + ": " + p.failure.reason;
    case Kind::ShortRow:
        return "short " + p.fileName + " line " + std::to_string(p.line) + ": " +
               std::to_string(p.fields) + " of " + std::to_string(p.fieldsNeeded);
    case Kind::MoreRowsSkipped:
        return "more " + std::to_string(p.rowsSkipped);
    case Kind::UnknownDutyType:
        break;
    }
    return "duty " + p.dutyType;
}

Texts briefs(const files::TableProblems& problems, Texts out = {}) {
    for (const auto& p : problems) {
        out.push_back(brief(p));
    }
    return out;
}

Texts briefs(const files::ReferenceTables& tables) {
    Texts out;
    for (const auto& problems : tables.problems) {
        out = briefs(problems, out);
    }
    return out;
}

const std::string kHalfHourItem = "Frame 802 Motor 50HP \u00BD Hour Rating ~ 230 ~ 180 ~ 2 ~ 4";
const std::string kOneHourItem = "Frame 804 Motor 10HP 1 Hour Rating ~ 230 ~ 38 ~ 2";

class ReferenceTablesTest : public ::testing::Test {
protected:
    void write(std::string_view name, const Texts& lines) {
        std::string text;
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        writeBytes(folder / name, text);
    }

    TempFolder folder;
    files::SelectionLists lists;
};

TEST_F(ReferenceTablesTest,
       catalogue_rows_give_their_items_in_order_other_lines_are_skipped_silently) {
    const Texts travelRows{"1 Hour Rating;806;15;x;57;230;3;x;;extra;more",
                           "1 Hour Rating;804;10;7.5;38;230;2;TENV;"};
    const Texts travel{"Frame 806 Motor 15HP 1 Hour Rating ~ 230 ~ 57 ~ 3", kOneHourItem};
    const std::string noBrake = "Frame 802 Motor 50HP \u00BD Hour Rating ~ 230 ~ 180 ~ 2";
    const std::pair<Texts, Texts> files1252AndUtf8[] = {
        {{"\xBD Hour Rating;802;50;37.3;180;230;2;TENV;4", travelRows[0], "", "   ",
          "* comment; with;;;;;;;;;", "     *indented;;;;;;;;", "without separator",
          "   \xBD Hour Rating   ;  802 ; 50 ; 37.3 ;  180  ; 230 ;  2  ; TENV ;  4  ",
          "\t\xBD Hour\t Rating\t;\t8\t02\t;\t50\t;x;\t180\t;\t230;2\t;x;\t4\t",
          " \t \xBD Hour Rating \t ; \t 802\t ;50; ; 180 ;230;2 ;;4",
          "\xBD Hour Rating;802;50;x;180;230;2;x; \t \t", travelRows[1]},
         {kHalfHourItem, kHalfHourItem, kHalfHourItem, kHalfHourItem, noBrake}},
        {{"\xEF\xBB\xBF\xC2\xBD Hour Rating;802;50;x;180;230;2;x;4", travelRows[0],
          "\xC2\xBD Hour Rating ; 802 ;\t50;x;180;230;2;x;4", travelRows[1]},
         {kHalfHourItem, kHalfHourItem}},
    };
    for (const auto& [rows, hoist] : files1252AndUtf8) {
        files::SelectionLists read;
        write(files::kMotorCatalogueFile, rows);
        EXPECT_EQ(briefs(files::loadMotorCatalogue(folder.path(), read)), Texts{});
        EXPECT_EQ(read.cmbHoistMotor, hoist);
        EXPECT_EQ(read.cmbTrolleyMotor, travel);
        EXPECT_EQ(read.cmbBridgeMotor, travel);
    }
}

TEST_F(ReferenceTablesTest, each_row_of_an_unknown_duty_type_is_reported_and_gives_no_item) {
    Texts rows{"\xBD Hour Rating;802;50;x;180;230;2;x;4"};
    for (const char* duty :
         {"1 hour rating", "1 HOUR RATING", "\xBD hour rating", " \t2 Hour Rating\t ", ""}) {
        rows.push_back(std::string(duty) + ";802;50;x;180;230;2;x;4");
    }
    write(files::kMotorCatalogueFile, rows);
    EXPECT_EQ(briefs(files::loadMotorCatalogue(folder.path(), lists)),
              (Texts{"duty 1 hour rating", "duty 1 HOUR RATING", "duty \u00BD hour rating",
                     "duty 2 Hour Rating", "duty "}));
    EXPECT_EQ(lists.cmbHoistMotor, Texts{kHalfHourItem});
    EXPECT_EQ(lists.cmbTrolleyMotor, Texts{});
    EXPECT_EQ(lists.cmbBridgeMotor, Texts{});
}

TEST_F(ReferenceTablesTest, size_and_rate_rows_give_their_items_each_tip_to_the_three_nema_lists) {
    write(files::kTipCostsFile, {"2;50;1;illustrative;300.00", " 3\t; 100 ;1;x;\t450.00 "});
    writeBytes(folder / files::kShoeCostsFile,
               "13;13;2;x;150.00\r\n\t16 ;16;2;x; 225.00\t;x\n8;8;2;x;75.00\r10;10;2;x;100.00");
    write(files::kUtilityRatesFile, {"PA;0.0775", "  PA  ;  0.0775  ", "PA;0.0775;peak",
                                     "PA ; 0.0775 ; peak ", "PA;\t0.07\t75\t", "PA\t;0.0775"});
    const files::ReferenceTables read = files::loadReferenceTables(folder.path());
    const files::SelectionLists& lists = read.lists;
    const Texts tips{"2 300.00", "3 450.00"};
    EXPECT_EQ(lists.cmbBridgeNemaSize, tips);
    EXPECT_EQ(lists.cmbHoistNemaSize, tips);
    EXPECT_EQ(lists.cmbTrolleyNemaSize, tips);
    EXPECT_EQ(lists.cmbBrakeSize, (Texts{"13 150.00", "16 225.00", "8 75.00", "10 100.00"}));
    // The state is trimmed of spaces only, so its tab stays; the rate is the rest of the line.
    EXPECT_EQ(lists.cmbStateKw, (Texts{"PA 0.0775", "PA 0.0775", "PA 0.0775;peak",
                                       "PA 0.0775 ; peak", "PA 0.0775", "PA\t 0.0775"}));
    EXPECT_EQ(briefs(read).size(), 1u); // the missing catalogue
}

TEST_F(ReferenceTablesTest, a_short_row_is_reported_with_file_and_line_and_left_out) {
    // The short row stands on line 4, after lines ended by LF, a lone CR and CRLF.
    const auto table = [&](std::string_view name, const std::string& good, const std::string& row) {
        writeBytes(folder / name, "* comment\n\r" + good + "\r\n" + row + "\r\n" + good);
    };
    write(files::kUtilityRatesFile, {"PA;0.0775"});
    table(files::kTipCostsFile, "2;50;1;x;300.00", "2;50;1;300.00");
    table(files::kShoeCostsFile, "13;13;2;x;150.00", "13;13;150.00");
    table(files::kMotorCatalogueFile, "1 Hour Rating;804;10;x;38;230;2;x;",
          "1 Hour Rating;804;10;x;38;230;2;x");
    const files::ReferenceTables read = files::loadReferenceTables(folder.path());
    const files::SelectionLists& lists = read.lists;
    EXPECT_EQ(briefs(read),
              (Texts{"short TipCosts.ini line 4: 4 of 5", "short ShoeCost.ini line 4: 3 of 5",
                     "short MillMoto.ini line 4: 8 of 9"}));
    EXPECT_EQ(lists.cmbHoistNemaSize.size(), 2u);
    EXPECT_EQ(lists.cmbBrakeSize.size(), 2u);
    EXPECT_EQ(lists.cmbTrolleyMotor.size(), 2u);
}

TEST_F(ReferenceTablesTest, a_table_that_cannot_be_read_is_reported_and_the_others_are_read) {
    fs::create_directory(folder / files::kTipCostsFile);
    write(files::kShoeCostsFile, {"13;13;2;x;150.00"});
    write(files::kMotorCatalogueFile, {"\xBD Hour Rating;802;50;x;180;230;2;x;4"});
    const files::ReferenceTables read = files::loadReferenceTables(folder.path());
    const files::SelectionLists& lists = read.lists;
    const auto unreadable = [&](std::string_view name, std::string_view reason) {
        return "unreadable " + (folder / name).string() + ": " + std::string(reason);
    };
    EXPECT_EQ(briefs(read), (Texts{unreadable("UtilRate.ini", "No such file or directory"),
                                   unreadable("TipCosts.ini", "it is a folder, not a file")}));
    EXPECT_EQ(lists.cmbBrakeSize, Texts{"13 150.00"});
    EXPECT_EQ(lists.cmbHoistMotor, Texts{kHalfHourItem});
}

TEST(ShippedTables, read_without_any_message_into_the_expected_lists) {
    const files::ReferenceTables read = files::loadReferenceTables(PAYVANTA_DATA_DIR);
    const files::SelectionLists& lists = read.lists;
    EXPECT_EQ(briefs(read), Texts{});
    EXPECT_EQ(lists.cmbStateKw.size(), 52u); // 50 states, DC and the national average
    EXPECT_EQ(lists.cmbBridgeNemaSize.size(), 8u);
    EXPECT_EQ(lists.cmbBrakeSize.size(), 7u);
    ASSERT_EQ(lists.cmbHoistMotor.size(), 11u);
    EXPECT_EQ(lists.cmbHoistMotor[1],
              "Frame 802 Motor 7.5HP \u00BD Hour Rating ~ 230 ~ 29 ~ 2 ~ 8");
    EXPECT_EQ(lists.cmbTrolleyMotor.size(), 11u);
    EXPECT_EQ(lists.cmbBridgeMotor, lists.cmbTrolleyMotor);
}

TEST(stripTabs, removes_every_tab_then_the_outer_spaces_in_place) {
    std::string text = " \t 8\t0 2 \t ";
    EXPECT_EQ(files::stripTabs(text), "80 2");
    EXPECT_EQ(text, "80 2");
}

} // namespace
