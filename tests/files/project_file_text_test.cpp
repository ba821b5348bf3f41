#include "files/key_value_file.h"
#include "files/project_file_layout.h"
#include "files/text_encoding.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace payvanta;
using namespace payvanta::encoding;
using payvanta::files::lookupValue;
using payvanta::files::parseKeyValueText;

namespace {

const LocaleConventions kUs = LocaleConventions::unitedStates();

TEST(Windows1252, maps_every_byte_both_ways_and_has_no_byte_for_other_characters) {
    // The five bytes Windows-1252 leaves undefined become the C1 control of that number.
    EXPECT_EQ(windows1252ToUtf8("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                                "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F"),
              "\u20AC\xC2\x81\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
              "\xC2\x8D\u017D\xC2\x8F\xC2\x90\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC"
              "\u2122\u0161\u203A\u0153\xC2\x9D\u017E\u0178");
    EXPECT_EQ(windows1252ToUtf8("\xA0\xBD\xE9\xFF"), "\u00A0\u00BD\u00E9\u00FF");
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    EXPECT_EQ(utf8ToWindows1252("\u0141od\u017A"), std::nullopt);
    EXPECT_EQ(utf8ToWindows1252("A \U0001F600"), std::nullopt);
}

TEST(Utf8, is_told_apart_from_other_bytes) {
    for (const char* valid : {"", "abc", "\xC2\xBD", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
        EXPECT_TRUE(isValidUtf8(valid)) << valid;
    }
    // A lone byte, a stray continuation, cut short, overlong, a surrogate, past U+10FFFF.
    for (const char* invalid :
         {"\xBD", "a\x80z", "\xE2\x82", "\xE2\x82z", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(isValidUtf8(invalid)) << invalid;
    }
}

TEST(FileText, is_read_as_utf8_when_it_is_valid_utf8_and_otherwise_as_windows_1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"Frame 802 \xBD Hour", "Frame 802 \u00BD Hour"},
        {"Frame 802 \xC2\xBD Hour", "Frame 802 \u00BD Hour"},
        {"\xC5\x81\xC3\xB3", "\u0141\u00F3"},
        // One sequence that is not UTF-8 makes every byte a character of its own.
        {"\xC3\xA9 \xE9", "\u00C3\u00A9 \u00E9"},
        {"CustName = Acme\r\n", "CustName = Acme\r\n"},
        {"\xEF\xBB\xBFX = 1", "X = 1"},
        {"\xEF\xBB\xBFX = \xC2\xBD", "X = \u00BD"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(decodeFileText(bytes), text) << bytes;
    }
}

TEST(KeyValueText, each_line_gives_its_setting_or_nothing) {
    const std::pair<std::string, KeyValueTable> cases[] = {
        // Spaces around key and value are trimmed, and need not be there; the value holds
        // every "=" after the first.
        {"   CustName   =   Acme  \r\nProjName=a = b\r\nKwHrRate =\r\n",
         {{"CustName", "Acme"}, {"ProjName", "a = b"}, {"KwHrRate", ""}}},
        // Tabs are kept, so a tab before a star leaves no comment.
        {"\tCustName\t = \tAcme\t\r\n\t* Note = *x*\r\n",
         {{"\tCustName\t", "\tAcme\t"}, {"\t* Note", "*x*"}}},
        // Comments, also indented and holding "=", blank lines and lines without "=".
        {"*CustName=Acme\r\n      * CustName = Acme\r\n\r\n   \r\nCustName Acme\r\n", {}},
        // CRLF, LF and a lone CR each end a line; every occurrence is kept in file order.
        {"A = 1\r\nB = 2\nC = 3\rD = 4\r\r\n\n\rA = 5",
         {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}, {"A", "5"}}},
    };
    for (const auto& [text, pairs] : cases) {
        EXPECT_EQ(parseKeyValueText(text), pairs) << text;
    }
}

TEST(lookupValue, takes_the_first_occurrence_of_the_exact_key_and_zero_for_a_missing_one) {
    const auto table =
        parseKeyValueText("CustName = First\r\ncustname = lower\r\nProjName =\r\nCustName = 2\r\n");
    EXPECT_EQ(lookupValue(table, "CustName"), "First");
    EXPECT_EQ(lookupValue(table, "custname"), "lower");
    EXPECT_EQ(lookupValue(table, "CUSTNAME"), "0");
    EXPECT_EQ(lookupValue(table, "ProjName"), "");
    EXPECT_EQ(lookupValue(table, "KwHrRate"), "0");
    EXPECT_EQ(lookupValue({}, "CustName"), "0");
}

// Every field holds a text of its own, so that a setting written in the wrong place or
// under the wrong key shows. The layout itself, byte for byte, is held by the example
// projects, which save back unchanged.
ProjectRecord distinctRecord() {
    ProjectRecord r;
    for (const Field f : allFields()) {
        r.set(f, "v" + std::to_string(index(f)));
    }
    r.set(Field::CustName, "  Acme = $1,200");
    r.setPrintFont("Times New Roman", 7);
    return r;
}

TEST(ProjectFileLayout, holds_the_52_settings_under_their_keys_in_windows_1252) {
    const std::string text = files::projectFileText(distinctRecord(), kUs);
    EXPECT_EQ(files::encodeProjectFile(text), text);
    const auto table = files::parseKeyValueText(text);
    ASSERT_EQ(table.size(), 52u);
    for (const Field f : allFields()) {
        EXPECT_EQ(table[index(f)].first, fieldKey(f));
    }
    EXPECT_EQ(files::lookupValue(table, "CustName"), "Acme = $1,200");
    EXPECT_EQ(files::lookupValue(table, "PrintFontName"), "Times New Roman");
    EXPECT_EQ(files::parseKeyValueText(files::projectFileText(ProjectRecord(), kUs)).size(), 52u);
}

TEST(ProjectFileLayout, the_business_case_follows_in_a_block_only_once_entered_and_reads_back) {
    ProjectRecord r = distinctRecord();
    const std::string without = files::projectFileText(r, kUs);
    r.businessCase().set(CaseInput::DriveCost, "120,000");
    r.businessCase().set(CaseInput::Co2Source, "eGRID RFCW = 1.02\nKwHrRate = 9");
    const std::string with = files::projectFileText(r, kUs);
    EXPECT_EQ(with, without + "\r\n* The business case: retrofit cost, project life, discount "
                              "rate, CO2 factor.\r\nDriveCost = 120,000\r\nInstallationCost = "
                              "\r\nEngineeringCost = \r\nRebate = \r\nProjectLife = \r\n"
                              "DiscountRate = \r\nCo2Factor = \r\nCo2Source = eGRID RFCW = 1.02 "
                              "KwHrRate = 9\r\n");
    const auto table = files::parseKeyValueText(with);
    EXPECT_EQ(files::lookupValue(table, "KwHrRate"), "v3");
    const BusinessCaseInputs back = files::readBusinessCase(table);
    EXPECT_EQ(back.get(CaseInput::DriveCost), "120,000");
    EXPECT_EQ(back.get(CaseInput::Co2Source), "eGRID RFCW = 1.02 KwHrRate = 9");
    EXPECT_EQ(back.get(CaseInput::Rebate), "");
    // A file without the block, or one that holds only some keys, leaves the rest empty.
    EXPECT_FALSE(files::readBusinessCase(files::parseKeyValueText(without)).anyEntered());
    EXPECT_EQ(files::readBusinessCase({{"ProjectLife", "20"}, {"ProjectLife", "5"}})
                  .get(CaseInput::ProjectLife),
              "20");
}

TEST(ProjectFileLayout, a_line_break_in_a_value_cannot_inject_a_setting) {
    const std::string plain = files::projectFileText(distinctRecord(), kUs);
    const auto lines = std::count(plain.begin(), plain.end(), '\n');
    for (const std::string lineBreak : {"\r\n", "\n", "\r"}) {
        ProjectRecord r = distinctRecord();
        r.set(Field::CustName, "Acme" + lineBreak + "KwHrRate = 99" + lineBreak + "* x");
        const std::string text = files::projectFileText(r, kUs);
        const auto table = files::parseKeyValueText(text);
        EXPECT_EQ(table.size(), 52u);
        EXPECT_EQ(files::lookupValue(table, "KwHrRate"), "v3");
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), lines);
    }
}

TEST(ProjectFileEncoding, is_windows_1252_unless_a_value_needs_utf8_and_reads_back_unchanged) {
    const std::string motor = "Frame 802 Motor 50HP \u00BD Hour Rating";
    const struct {
        std::string value;
        std::string motor;
        std::string line;
    } cases[] = {
        {"Caf\u00E9 \u20AC\u2122", motor, "\r\nCustName = Caf\xE9 \x80\x99\r\n"},
        // Windows-1252 has no byte for the L with stroke.
        {"\u0141\u00F3d\u017A", motor, "\r\nCustName = \u0141\u00F3d\u017A\r\n"},
        // Alone, their Windows-1252 bytes C2 BD would read back as the UTF-8 one-half.
        {"\u00C2\u00BD", "", "\r\nCustName = \u00C2\u00BD\r\n"},
    };
    for (const auto& c : cases) {
        ProjectRecord r;
        r.set(Field::CustName, c.value);
        r.set(Field::HoistMotor, c.motor);
        const std::string bytes = files::encodeProjectFile(files::projectFileText(r, kUs));
        EXPECT_NE(bytes.find(c.line), std::string::npos) << bytes;
        const auto table = files::parseKeyValueText(encoding::decodeFileText(bytes));
        EXPECT_EQ(files::lookupValue(table, "CustName"), c.value);
        EXPECT_EQ(files::lookupValue(table, "HoistMotor"), c.motor);
    }
}

} // namespace
