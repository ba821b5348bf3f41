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

// The local time now; when the environment variable SOURCE_DATE_EPOCH holds a number of
// seconds since 1970, that moment in UTC instead, so that printed output can be made
// again byte for byte.
DateTime systemClock();

// The moment written with a date or time pattern of the locale conventions.
std::string formatDateTime(const DateTime& moment, std::string_view pattern);

// The general date: the short date, one blank and the long time ("12/6/2026 8:15:03 PM").
std::string generalDate(const DateTime& moment, const LocaleConventions& locale);
std::string shortDate(const DateTime& moment, const LocaleConventions& locale);

} // namespace payvanta::reports
