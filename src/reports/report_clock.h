#pragma once

#include "model/locale_conventions.h"

#include <functional>
#include <string>
#include <string_view>

namespace payvanta::reports {

// A moment as a wall clock shows it.
struct DateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where the pages take their date from; tests hand in a fixed moment.
using Clock = std::function<DateTime()>;

// What the environment variable SOURCE_DATE_EPOCH asks the dates to be, so that printed
// output can be made again byte for byte. Unset or empty, the current time. A whole number
// of seconds since 1970 (digits only) up to kLastDateSecond, that moment in UTC: a page
// date and a PDF date hold a year of four digits. Anything else is refused, with the
// reason, and the dates are the current time.
struct DateSource {
    enum class Kind { Now, Fixed, Refused };
    Kind kind = Kind::Now;
    DateTime moment;   // Fixed: the moment in UTC
    std::string error; // Refused: what is wrong with the value, for a message
};

// 9999-12-31 23:59:59 UTC, the last moment of a four-digit year.
inline constexpr long long kLastDateSecond = 253402300799;

// The date source of the variable's value, null when it is not set.
DateSource dateSource(const char* sourceDateEpoch);
// The date source of this process's environment.
DateSource dateSourceOfEnvironment();

// The local time now, or the moment SOURCE_DATE_EPOCH fixes (see DateSource).
DateTime systemClock();

// The moment written with a date or time pattern of the locale conventions.
std::string formatDateTime(const DateTime& moment, std::string_view pattern);

// The general date: the short date, one blank and the long time ("12/6/2026 8:15:03 PM").
std::string generalDate(const DateTime& moment, const LocaleConventions& locale);
std::string shortDate(const DateTime& moment, const LocaleConventions& locale);

} // namespace payvanta::reports
