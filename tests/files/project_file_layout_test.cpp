#include "files/key_value_file.h"
#include "files/project_file_layout.h"
#include "files/text_encoding.h"
#include "model/field.h"
#include "model/project_record.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

using namespace payvanta;

namespace {

std::string withCrlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Every field gets a text of its own, so that a setting written in the wrong place or
// under the wrong key shows.
ProjectRecord distinctRecord() {
    ProjectRecord r;
    for (const Field f : allFields()) {
        if (f != Field::PrintFontName && f != Field::PrintFontSize) {
            r.set(f, "v" + std::to_string(index(f)));
        }
    }
    r.setPrintFont("Times New Roman", 7);
    return r;
}

// The file the program writes for distinctRecord(), line by line.
const char* const kDistinctRecordFile = R"(* This is a Comment.
* Blank lines will not be read.
* This is the default user file.
* Format for this file: Variable name, Seperator '=', Data.
* You may edit the data in this file by hand.
* NOTE:  If a variable is not found, it's value will be set to 0.


* Loads the Project Information frame
CustName = v0
ProjName = v1
cmbStateKw = v2
KwHrRate = v3
NumLifts = v4
MaintPerHour = v5

* Loads the Inventory Costs\Maintenance frame.
ContactElec = v6
ContactMech = v7
HoistNemaSize = v8
ContactHoist = v9
TrolleyNemaSize = v10
ContactTrolley = v11
BridgeNemaSize = v12
ContactBridge = v13
BrakeSize = v14
BrakeShoe = v15
ShoeLife = v16

* Loads the Hoist frame, from the Hoist sheet.
HoistMotor = v17
NumMotorHoist = v18
MotorVoltsHoist = v19
MotorFLCAmpsHoist = v20
HoistFPMHoist = v21
LiftDistanceHoist = v22

DutyCycleHoist(1) = v23
DutyCycleHoist(2) = v24
DutyCycleHoist(3) = v25
DutyCycleHoist(4) = v26
DutyCycleHoist(5) = v27


* Loads the Trolley frame
TrolleyMotor = v28
NumMotorTrolley = v29
MotorVoltsTrolley = v30
MotorFLCAmpsTrolley = v31
HoistFPMTrolley = v32
LiftDistanceTrolley = v33

DutyCycleTrolley(1) = v34
DutyCycleTrolley(2) = v35
DutyCycleTrolley(3) = v36
DutyCycleTrolley(4) = v37
DutyCycleTrolley(5) = v38


* Loads the Bridge frame, from the Bridge sheet.
BridgeMotor = v39
NumMotorBridge = v40
MotorVoltsBridge = v41
MotorFLCAmpsBridge = v42
HoistFPMBridge = v43
LiftDistanceBridge = v44

DutyCycleBridge(1) = v45
DutyCycleBridge(2) = v46
DutyCycleBridge(3) = v47
DutyCycleBridge(4) = v48
DutyCycleBridge(5) = v49


* Sets the Printer Fonts.
PrintFontName = Times New Roman
PrintFontSize = 7
)";

// The number of lines when every line ends in CRLF; -1 when a CR or an LF stands alone.
int crlfLineCount(std::string_view bytes) {
    int lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++lines;
            ++i;
        } else if (bytes[i] == '\r' || bytes[i] == '\n') {
            return -1;
        }
    }
    return lines;
}

TEST(ProjectFileLayout, is_written_line_for_line_with_crlf_everywhere) {
    const std::string expected = withCrlf(kDistinctRecordFile);
    const std::string text = files::projectFileText(distinctRecord());
    EXPECT_EQ(text, expected);
    EXPECT_EQ(files::encodeProjectFile(text), expected);
}

TEST(ProjectFileLayout, holds_the_fifty_two_settings_in_record_order) {
    const auto table = files::parseKeyValueText(files::projectFileText(distinctRecord()));
    ASSERT_EQ(table.size(), 52u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].first, fieldKey(allFields()[i])) << "setting " << i;
    }
}

TEST(ProjectFileLayout, an_empty_record_writes_each_key_with_an_empty_value) {
    ProjectRecord r;
    r.setPrintFont("MS Sans Serif", 8);
    const std::string text = files::projectFileText(r);
    EXPECT_NE(text.find("\r\nCustName = \r\nProjName = \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPrintFontName = MS Sans Serif\r\nPrintFontSize = 8\r\n"),
              std::string::npos);
}

TEST(ProjectFileLayout, values_are_written_exactly_as_held) {
    ProjectRecord r;
    r.set(Field::KwHrRate, "$0.0750");
    r.set(Field::NumLifts, "1,200");
    r.set(Field::CustName, "  Acme = Steel\t");
    r.set(Field::ShoeLife, "abc");
    const std::string text = files::projectFileText(r);
    EXPECT_NE(text.find("\r\nKwHrRate = $0.0750\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nNumLifts = 1,200\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nCustName =   Acme = Steel\t\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nShoeLife = abc\r\n"), std::string::npos);
}

TEST(ProjectFileLayout, a_negative_print_size_is_written_as_a_plain_integer) {
    ProjectRecord r;
    r.setPrintFont("Arial", -12);
    EXPECT_NE(files::projectFileText(r).find("\r\nPrintFontSize = -12\r\n"), std::string::npos);
}

TEST(ProjectFileEncoding, is_windows_1252_when_every_character_has_a_byte) {
    ProjectRecord r;
    r.set(Field::HoistMotor, "Frame 802 Motor 50HP \u00BD Hour Rating");
    r.set(Field::CustName, "Caf\u00E9 \u20AC\u2122");
    const std::string bytes = files::encodeProjectFile(files::projectFileText(r));
    EXPECT_NE(bytes.find("\r\nHoistMotor = Frame 802 Motor 50HP \xBD Hour Rating\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\nCustName = Caf\xE9 \x80\x99\r\n"), std::string::npos);
    EXPECT_FALSE(encoding::isValidUtf8(bytes));
}

TEST(ProjectFileEncoding, is_utf8_when_a_value_holds_a_character_windows_1252_lacks) {
    ProjectRecord r;
    r.set(Field::HoistMotor, "Frame 802 Motor 50HP \u00BD Hour Rating");
    r.set(Field::CustName, "\u0141\u00F3d\u017A Steel"); // Lodz, in Polish letters
    const std::string text = files::projectFileText(r);
    const std::string bytes = files::encodeProjectFile(text);
    EXPECT_EQ(bytes, text);
    EXPECT_TRUE(encoding::isValidUtf8(bytes));
    // Read back, nothing is lost.
    const auto table = files::parseKeyValueText(encoding::decodeFileText(bytes));
    EXPECT_EQ(files::LookupValue(table, "CustName"), "\u0141\u00F3d\u017A Steel");
    EXPECT_EQ(files::LookupValue(table, "HoistMotor"), "Frame 802 Motor 50HP \u00BD Hour Rating");
}

// Capital A circumflex and one-half are C2 BD in Windows-1252, which is one-half alone in
// UTF-8: written in Windows-1252 the file would open with another text.
TEST(ProjectFileEncoding, windows_1252_bytes_that_would_read_as_utf8_are_written_as_utf8) {
    ProjectRecord r;
    r.set(Field::CustName, "\u00C2\u00BD \u00C3\u00A9");
    const std::string text = files::projectFileText(r);
    const std::string bytes = files::encodeProjectFile(text);
    const auto table = files::parseKeyValueText(encoding::decodeFileText(bytes));
    EXPECT_EQ(files::LookupValue(table, "CustName"), "\u00C2\u00BD \u00C3\u00A9");
}

TEST(ProjectFileEncoding, windows_1252_output_reads_back_to_the_same_texts) {
    ProjectRecord r = distinctRecord();
    r.set(Field::HoistMotor, "Frame 802 Motor 50HP \u00BD Hour Rating");
    r.set(Field::ProjName, "\u201CNo. 3\u201D \u2013 \u00C4rger");
    const std::string bytes = files::encodeProjectFile(files::projectFileText(r));
    const auto table = files::parseKeyValueText(encoding::decodeFileText(bytes));
    EXPECT_EQ(files::LookupValue(table, "HoistMotor"), r.get(Field::HoistMotor));
    EXPECT_EQ(files::LookupValue(table, "ProjName"), r.get(Field::ProjName));
}

// A value is one line of the file: whatever line break it holds, it can neither end its
// own setting early nor add a setting of its own.
struct InjectionCase {
    const char* name;
    std::string breakText;
};

class ProjectFileLineBreaksInValues : public ::testing::TestWithParam<InjectionCase> {};

TEST_P(ProjectFileLineBreaksInValues, cannot_inject_a_setting) {
    ProjectRecord r = distinctRecord();
    r.set(Field::CustName, "Acme" + GetParam().breakText + "KwHrRate = 99");
    r.set(Field::ProjName, "P" + GetParam().breakText + "* comment" + GetParam().breakText);
    const std::string bytes = files::encodeProjectFile(files::projectFileText(r));
    const auto table = files::parseKeyValueText(encoding::decodeFileText(bytes));
    ASSERT_EQ(table.size(), 52u);
    EXPECT_EQ(files::LookupValue(table, "KwHrRate"), "v3");
    EXPECT_EQ(table[0].first, "CustName");
    EXPECT_EQ(table[0].second.rfind("Acme", 0), 0u) << table[0].second;
    EXPECT_EQ(table[1].first, "ProjName");
    // The layout keeps its number of lines, each ending in CRLF.
    EXPECT_EQ(crlfLineCount(bytes), crlfLineCount(withCrlf(kDistinctRecordFile)));
}

INSTANTIATE_TEST_SUITE_P(Breaks, ProjectFileLineBreaksInValues,
                         ::testing::Values(InjectionCase{"crlf", "\r\n"}, InjectionCase{"lf", "\n"},
                                           InjectionCase{"cr", "\r"}),
                         [](const ::testing::TestParamInfo<InjectionCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
