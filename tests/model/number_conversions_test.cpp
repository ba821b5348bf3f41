#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The conversions between doubles and texts against the standard library's own, on a
// large generated table: every build must show and read the same texts.
using namespace payvanta;

namespace {

const LocaleConventions us = LocaleConventions::unitedStates();

std::uint64_t nextRandom(std::uint64_t& state) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

// Decimals of one to seventeen significant digits ending in 5, the point at each place,
// and numbers at the edges of the doubles: overflow, subnormals, underflow.
std::vector<std::string> halvesAndEdges() {
    std::vector<std::string> texts;
    std::uint64_t state = 88172645463325252u;
    for (std::size_t digits = 1; digits <= 17; ++digits) {
        for (std::size_t point = 0; point <= digits + 2; ++point) {
            for (int k = 0; k < 20; ++k) {
                std::string d(1, static_cast<char>('1' + nextRandom(state) % 9));
                while (d.size() < digits) {
                    d += static_cast<char>('0' + nextRandom(state) % 10);
                }
                d.back() = '5';
                texts.push_back(point <= digits ? d.substr(0, point) + "." + d.substr(point)
                                                : "0." + std::string(point - digits, '0') + d);
            }
        }
    }
    for (const char* mantissa :
         {"5", "2.4703282292062327", "2.4703282292062328", "1.7976931348623157",
          "1.7976931348623159", "2.2250738585072014", "9.999999999999995"}) {
        for (int exponent = -330; exponent <= 310; ++exponent) {
            texts.push_back(std::string(mantissa) + "e" + std::to_string(exponent));
        }
    }
    return texts;
}

TEST(NumberConversions, read_as_the_standard_library_reads_and_beyond_only_out_of_range) {
    for (const std::string& text : halvesAndEdges()) {
        for (const std::string& s : {text, "-" + text}) {
            double expected = 0;
            const auto res = std::from_chars(s.data(), s.data() + s.size(), expected);
            const auto got = numbers::parse(s, us);
            ASSERT_EQ(got.has_value(), res.ec == std::errc{}) << s;
            ASSERT_EQ(numbers::beyondDouble(s, us), res.ec == std::errc::result_out_of_range) << s;
            ASSERT_TRUE(!got || *got == expected) << s;
        }
    }
}

TEST(NumberConversions, plain_is_the_fifteen_digit_general_form) {
    std::vector<double> values;
    for (const std::string& text : halvesAndEdges()) {
        values.push_back(numbers::parse(text, us).value_or(1));
    }
    std::uint64_t state = 2463534242u;
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = nextRandom(state);
        std::memcpy(&values.emplace_back(), &bits, sizeof bits);
    }
    for (const double value : values) {
        char buf[40];
        std::string expected(
            buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr);
        std::replace(expected.begin(), expected.end(), 'e', 'E');
        ASSERT_TRUE(!std::isfinite(value) || numbers::plain(value, us) == expected) << expected;
    }
}

// The decimal text without its last digit, a 5, and the rest rounded up by hand: "9.95"
// gives "10.0", ".05" gives "0.1", "2.5" gives "3".
std::string roundedUp(std::string text) {
    text.pop_back();
    std::size_t i = text.size();
    while (i > 0 && (text[i - 1] == '9' || text[i - 1] == '.')) {
        if (text[i - 1] == '9') {
            text[i - 1] = '0';
        }
        --i;
    }
    if (i == 0) {
        text.insert(0, "1");
    } else {
        ++text[i - 1];
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text.front() == '.' ? "0" + text : text;
}

TEST(NumberConversions, a_half_at_the_fifteenth_digit_or_before_rounds_away_from_zero) {
    for (const std::string& text : halvesAndEdges()) {
        const auto first = static_cast<std::ptrdiff_t>(text.find_first_not_of("0."));
        const auto shownDecimals = static_cast<int>(text.size() - text.find('.')) - 2;
        if (text.find('e') != std::string::npos || shownDecimals < 0 ||
            std::count_if(text.begin() + first, text.end(), ::isdigit) > 15) {
            continue;
        }
        const double value = *numbers::parse(text, us);
        const numbers::NumberFormat fmt{shownDecimals, false, false};
        ASSERT_EQ(numbers::format(value, fmt, us), roundedUp(text)) << text;
        ASSERT_EQ(numbers::format(-value, fmt, us), "-" + roundedUp(text)) << text;
    }
    // An exact tie past the fifteenth digit goes to the even digit, on every build.
    EXPECT_EQ(numbers::format(1000000000000005.0, "##,##0", us), "1,000,000,000,000,000");
    EXPECT_EQ(numbers::format(1000000000000015.0, "##,##0", us), "1,000,000,000,000,020");
}

} // namespace
