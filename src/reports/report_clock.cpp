#include "report_clock.h"

#include "terminal_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>

namespace payvanta::reports {

namespace {

DateTime fromTm(const std::tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The length of the run of the same character at the start of s.
std::size_t runLength(std::string_view s) {
    std::size_t n = 1;
    while (n < s.size() && s[n] == s[0]) {
        ++n;
    }
    return n;
}

} // namespace

DateSource dateSource(const char* sourceDateEpoch) {
    const std::string_view value = sourceDateEpoch ? sourceDateEpoch : "";
    if (value.empty()) {
        return {};
    }
    // Digits only: no sign, no blank, no fraction; a number too large for any clock is
    // refused like one too large for the pages.
    long long seconds = -1;
    const bool digits =
        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits ||
        std::from_chars(value.data(), value.data() + value.size(), seconds).ec != std::errc{} ||
        seconds > kLastDateSecond) {
        return {DateSource::Kind::Refused,
                {},
                "SOURCE_DATE_EPOCH \"" + visibleControls(value) +
                    "\" is not a whole number of seconds from 0 to " +
                    std::to_string(kLastDateSecond) + " (1970 to 9999)"};
    }
    std::tm t{};
    const auto fixed = static_cast<std::time_t>(seconds);
    gmtime_r(&fixed, &t);
    return {DateSource::Kind::Fixed, fromTm(t), {}};
}

DateSource dateSourceOfEnvironment() {
    return dateSource(std::getenv("SOURCE_DATE_EPOCH"));
}

DateTime systemClock() {
    if (const DateSource source = dateSourceOfEnvironment();
        source.kind == DateSource::Kind::Fixed) {
        return source.moment;
    }
    std::tm t{};
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &t);
    return fromTm(t);
}

std::string formatDateTime(const DateTime& m, std::string_view pattern) {
    std::string out;
    while (!pattern.empty()) {
        const std::size_t n = runLength(pattern);
        const char c = pattern[0];
        const bool two = n >= 2;
        const int hour12 = m.hour % 12 == 0 ? 12 : m.hour % 12;
        switch (c) {
        case 'd':
            out += two ? twoDigits(m.day) : std::to_string(m.day);
            break;
        case 'M':
            out += two ? twoDigits(m.month) : std::to_string(m.month);
            break;
        case 'y':
            out += n >= 4 ? std::to_string(m.year) : twoDigits(m.year % 100);
            break;
        case 'h':
            out += two ? twoDigits(hour12) : std::to_string(hour12);
            break;
        case 'H':
            out += two ? twoDigits(m.hour) : std::to_string(m.hour);
            break;
        case 'm':
            out += two ? twoDigits(m.minute) : std::to_string(m.minute);
            break;
        case 's':
            out += two ? twoDigits(m.second) : std::to_string(m.second);
            break;
        case 'A':
            if (pattern.substr(0, 2) == "AP") {
                out += m.hour < 12 ? "AM" : "PM";
                pattern.remove_prefix(2);
                continue;
            }
            out.append(n, c);
            break;
        default:
            out.append(n, c);
            break;
        }
        pattern.remove_prefix(n);
    }
    return out;
}

std::string generalDate(const DateTime& moment, const LocaleConventions& locale) {
    return shortDate(moment, locale) + " " + formatDateTime(moment, locale.longTimePattern);
}

std::string shortDate(const DateTime& moment, const LocaleConventions& locale) {
    return formatDateTime(moment, locale.shortDatePattern);
}

} // namespace payvanta::reports
