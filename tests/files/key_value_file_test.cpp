#include "files/key_value_file.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using payvanta::KeyValueTable;
using payvanta::files::LookupValue;
using payvanta::files::parseKeyValueText;

namespace {

using Pair = std::pair<std::string, std::string>;

struct LineCase {
    const char* name;
    std::string text;
    KeyValueTable pairs;
};

class KeyValueLineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(KeyValueLineRules, give_the_expected_pairs) {
    EXPECT_EQ(parseKeyValueText(GetParam().text), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KeyValueLineRules,
    ::testing::Values(
        LineCase{"written_form", "CustName = Acme\r\n", {{"CustName", "Acme"}}},
        LineCase{"no_spaces_around_the_equals_sign", "CustName=Acme\r\n", {{"CustName", "Acme"}}},
        LineCase{"several_spaces_on_either_side",
                 "   CustName     =     Acme   \r\n",
                 {{"CustName", "Acme"}}},
        LineCase{"a_comment", "* CustName = Acme\r\n", {}},
        LineCase{"a_comment_indented_with_spaces_holding_an_equals_sign",
                 "      * CustName = Acme\r\n",
                 {}},
        LineCase{"a_comment_with_no_space_after_the_star", "*CustName=Acme\r\n", {}},
        LineCase{"a_blank_line", "\r\n", {}}, LineCase{"a_line_of_spaces", "      \r\n", {}},
        LineCase{"a_line_without_equals_sign", "CustName Acme\r\n", {}},
        LineCase{
            "two_equals_signs_split_at_the_first", "ProjName = a = b\r\n", {{"ProjName", "a = b"}}},
        LineCase{"an_empty_value", "CustName =\r\n", {{"CustName", ""}}},
        LineCase{"an_empty_value_after_the_written_space", "CustName = \r\n", {{"CustName", ""}}},
        LineCase{"an_empty_key", " = Acme\r\n", {{"", "Acme"}}},
        LineCase{"tabs_are_kept_in_key_and_value",
                 "\tCustName\t = \tAcme\t\r\n",
                 {{"\tCustName\t", "\tAcme\t"}}},
        // Only spaces are trimmed, so a tab in front of the star leaves a setting.
        LineCase{"a_tab_before_the_star_is_no_comment", "\t* Note = x\r\n", {{"\t* Note", "x"}}},
        LineCase{"a_key_outside_the_record_is_kept", "Colour = blue\r\n", {{"Colour", "blue"}}},
        LineCase{
            "a_star_inside_a_value_is_kept", "CustName = *Acme*\r\n", {{"CustName", "*Acme*"}}},
        LineCase{"every_occurrence_is_kept_in_file_order",
                 "CustName = First\r\nProjName = P\r\nCustName = Second\r\n",
                 {{"CustName", "First"}, {"ProjName", "P"}, {"CustName", "Second"}}},
        LineCase{"characters_beyond_ascii_are_kept",
                 "HoistMotor = Frame 802 \u00BD Hour\r\n",
                 {{"HoistMotor", "Frame 802 \u00BD Hour"}}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

struct LineEndCase {
    const char* name;
    std::string text;
};

class KeyValueLineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(KeyValueLineEnds, each_end_a_line_and_none_leaves_a_character_behind) {
    const KeyValueTable expected{{"A", "1"}, {"B", "2"}, {"C", "3"}};
    EXPECT_EQ(parseKeyValueText(GetParam().text), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, KeyValueLineEnds,
    ::testing::Values(LineEndCase{"crlf", "A = 1\r\nB = 2\r\nC = 3\r\n"},
                      LineEndCase{"lf", "A = 1\nB = 2\nC = 3\n"},
                      LineEndCase{"lone_cr", "A = 1\rB = 2\rC = 3\r"},
                      LineEndCase{"mixed", "A = 1\nB = 2\r\nC = 3\r"},
                      LineEndCase{"no_end_on_the_last_line", "A = 1\r\nB = 2\r\nC = 3"},
                      LineEndCase{"blank_lines_of_every_kind",
                                  "\r\n\nA = 1\r\r\nB = 2\n\n\rC = 3"}),
    [](const ::testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST(LookupValue, a_missing_key_gives_zero) {
    const KeyValueTable table{{"ProjName", "Crane 1"}};
    EXPECT_EQ(LookupValue(table, "CustName"), "0");
    EXPECT_EQ(LookupValue({}, "CustName"), "0");
}

TEST(LookupValue, the_first_occurrence_wins) {
    const auto table = parseKeyValueText("CustName = First\r\nCustName = Second\r\n");
    EXPECT_EQ(LookupValue(table, "CustName"), "First");
}

TEST(LookupValue, keys_are_matched_with_their_letter_case) {
    const auto table = parseKeyValueText("custname = lower\r\nCUSTNAME = upper\r\n");
    EXPECT_EQ(LookupValue(table, "CustName"), "0");
    EXPECT_EQ(LookupValue(table, "custname"), "lower");
}

TEST(LookupValue, an_empty_value_is_found_and_stays_empty) {
    const auto table = parseKeyValueText("CustName =\r\n");
    EXPECT_EQ(LookupValue(table, "CustName"), "");
}

TEST(LookupValue, a_key_with_a_tab_is_another_key) {
    const auto table = parseKeyValueText("CustName\t = Acme\r\n");
    EXPECT_EQ(LookupValue(table, "CustName"), "0");
}

TEST(LookupValue, a_commented_setting_is_not_found_even_when_indented) {
    const auto table = parseKeyValueText("   * CustName = Old\r\nProjName = P\r\n");
    EXPECT_EQ(LookupValue(table, "CustName"), "0");
    EXPECT_EQ(LookupValue(table, "ProjName"), "P");
}

} // namespace
