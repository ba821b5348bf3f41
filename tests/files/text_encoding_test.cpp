#include "files/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

using namespace payvanta::encoding;

namespace {

struct ByteCase {
    unsigned char byte;
    const char* utf8;
};

class Windows1252Bytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(Windows1252Bytes, read_as_their_character_and_write_back_to_the_same_byte) {
    const std::string byte(1, static_cast<char>(GetParam().byte));
    EXPECT_EQ(windows1252ToUtf8(byte), GetParam().utf8);
    EXPECT_EQ(utf8ToWindows1252(GetParam().utf8), byte);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Windows1252Bytes,
    ::testing::Values(ByteCase{0x41, "A"}, ByteCase{0x80, "\u20AC"}, ByteCase{0x82, "\u201A"},
                      ByteCase{0x83, "\u0192"}, ByteCase{0x85, "\u2026"}, ByteCase{0x8A, "\u0160"},
                      ByteCase{0x8C, "\u0152"}, ByteCase{0x8E, "\u017D"}, ByteCase{0x91, "\u2018"},
                      ByteCase{0x93, "\u201C"}, ByteCase{0x96, "\u2013"}, ByteCase{0x97, "\u2014"},
                      ByteCase{0x99, "\u2122"}, ByteCase{0x9C, "\u0153"}, ByteCase{0x9F, "\u0178"},
                      ByteCase{0xA0, "\u00A0"}, ByteCase{0xA3, "\u00A3"}, ByteCase{0xBD, "\u00BD"},
                      ByteCase{0xC4, "\u00C4"}, ByteCase{0xE9, "\u00E9"},
                      ByteCase{0xFF, "\u00FF"}));

TEST(Windows1252, every_byte_survives_a_read_and_a_write) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string text = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_EQ(utf8ToWindows1252(text), all);
}

TEST(Windows1252, a_character_without_a_byte_gives_nothing) {
    EXPECT_FALSE(utf8ToWindows1252("\u0141od\u017A").has_value());
    EXPECT_FALSE(utf8ToWindows1252("A \U0001F600").has_value());
    EXPECT_FALSE(utf8ToWindows1252("\u4E2D").has_value());
}

TEST(Windows1252, plain_ascii_passes_unchanged_both_ways) {
    const std::string ascii = "CustName = Acme Steel; 0.0775 * x\r\n\t";
    EXPECT_EQ(windows1252ToUtf8(ascii), ascii);
    EXPECT_EQ(utf8ToWindows1252(ascii), ascii);
}

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, is_judged_by_the_encoding_rules) {
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Validity,
    ::testing::Values(Utf8Case{"empty", "", true}, Utf8Case{"ascii", "abc", true},
                      Utf8Case{"two_bytes", "\xC2\xBD", true},
                      Utf8Case{"three_bytes", "\xE2\x82\xAC", true},
                      Utf8Case{"four_bytes", "\xF0\x9F\x98\x80", true},
                      Utf8Case{"a_lone_1252_byte", "\xBD", false},
                      Utf8Case{"a_stray_continuation_byte", "a\x80z", false},
                      Utf8Case{"a_sequence_cut_short", "\xE2\x82", false},
                      Utf8Case{"a_sequence_cut_by_ascii", "\xE2\x82z", false},
                      Utf8Case{"an_overlong_slash", "\xC0\xAF", false},
                      Utf8Case{"an_overlong_three_byte_form", "\xE0\x80\xAF", false},
                      Utf8Case{"a_surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"beyond_the_last_code_point", "\xF4\x90\x80\x80", false},
                      Utf8Case{"a_five_byte_lead", "\xF8\x88\x80\x80\x80", false},
                      Utf8Case{"byte_ff", "\xFF", false}),
    [](const ::testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(FileText, windows_1252_bytes_are_read_as_windows_1252) {
    EXPECT_EQ(decodeFileText("Frame 802 \xBD Hour Rating"), "Frame 802 \u00BD Hour Rating");
    EXPECT_EQ(decodeFileText("\x80 \x96 \x9F"), "\u20AC \u2013 \u0178");
}

TEST(FileText, valid_utf8_with_characters_beyond_ascii_is_read_as_utf8) {
    EXPECT_EQ(decodeFileText("Frame 802 \xC2\xBD Hour Rating"), "Frame 802 \u00BD Hour Rating");
    EXPECT_EQ(decodeFileText("\xC5\x81\xC3\xB3"
                             "d\xC5\xBA"),
              "\u0141\u00F3d\u017A");
}

TEST(FileText, one_invalid_sequence_makes_the_whole_file_windows_1252) {
    // An UTF-8 pair followed by a lone 1252 byte: every byte is a character of its own.
    EXPECT_EQ(decodeFileText("\xC3\xA9 \xE9"), "\u00C3\u00A9 \u00E9");
}

TEST(FileText, ascii_is_unchanged) {
    EXPECT_EQ(decodeFileText("CustName = Acme\r\n"), "CustName = Acme\r\n");
    EXPECT_EQ(decodeFileText(""), "");
}

TEST(FileText, a_byte_order_mark_is_dropped) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "CustName = Acme\r\n"),
              "CustName = Acme\r\n");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "A = \xC2\xBD"),
              "A = \u00BD");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"), "");
}

TEST(FileText, is_always_valid_utf8_whatever_the_bytes) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
        bytes += static_cast<char>(255 - b);
    }
    EXPECT_TRUE(isValidUtf8(decodeFileText(bytes)));
    EXPECT_TRUE(isValidUtf8(decodeFileText("\xF0\x9F\x98")));
}

} // namespace
