#include "reports/report_clock.h"
#include "reports/terminal_text.h"

#include <gtest/gtest.h>
#include <string>

using namespace payvanta;
using namespace payvanta::reports;

namespace {

std::string described(const DateSource& s) {
    switch (s.kind) {
    case DateSource::Kind::Now:
        return "now";
    case DateSource::Kind::Fixed:
        return formatDateTime(s.moment, "yyyy-MM-dd HH:mm:ss");
    case DateSource::Kind::Refused:
        break;
    }
    return s.error;
}

const std::string kRange =
    "\" is not a whole number of seconds from 0 to 253402300799 (1970 to 9999)";

TEST(DateSource, unset_or_empty_is_now_and_only_whole_seconds_up_to_the_end_of_9999_fix_it) {
    EXPECT_EQ(described(dateSource(nullptr)), "now");
    EXPECT_EQ(described(dateSource("")), "now");
    EXPECT_EQ(described(dateSource("0")), "1970-01-01 00:00:00");
    EXPECT_EQ(described(dateSource("1796588103")), "2026-12-06 20:15:03");
    EXPECT_EQ(described(dateSource("253402300799")), "9999-12-31 23:59:59");
    for (const char* refused : {"253402300800", "9223372036854775807", "9223372036854775808",
                                "67767976233316800", "12abc", "-1", " 5", "5 ", "+5", "1.0"}) {
        EXPECT_EQ(described(dateSource(refused)),
                  "SOURCE_DATE_EPOCH \"" + std::string(refused) + kRange);
    }
    EXPECT_EQ(described(dateSource("1\x1b[2J")), "SOURCE_DATE_EPOCH \"1\\x1b[2J" + kRange);
}

TEST(VisibleControls, every_control_shows_as_an_escape_and_a_line_break_stays_one) {
    EXPECT_EQ(visibleControls("Acme\x1b]0;pwned\x07 Steel\tWorks\x7f"),
              "Acme\\x1b]0;pwned\\x07 Steel\\x09Works\\x7f");
    // C1 controls as UTF-8 (CSI, OSC, NEL); the characters around them stay.
    EXPECT_EQ(visibleControls("a\xc2\x9b"
                              "2J \xc2\x9d\xc2\x85 \xc2\xa0\xc3\xa9\xe2\x82\xac\xf0\x9f\x8f\x97"),
              "a\\x9b2J \\x9d\\x85 \xc2\xa0\xc3\xa9\xe2\x82\xac\xf0\x9f\x8f\x97");
    // Bytes that are no UTF-8 character: a lone C1 byte, a cut sequence, an overlong form.
    EXPECT_EQ(visibleControls("\x9b\xe2\x82 \xc0\xaf \xed\xa0\x80"),
              "\\x9b\\xe2\\x82 \\xc0\\xaf \\xed\\xa0\\x80");
    EXPECT_EQ(visibleControls("one\r\ntwo\nthree\rfour\\x1b"), "one\ntwo\nthree\\x0dfour\\x1b");
}

} // namespace
