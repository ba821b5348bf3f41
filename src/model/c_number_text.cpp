#include "c_number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace payvanta::numbers::c_text {

namespace {

// The "C" locale for the calling thread while it lives: printf and strtod then write and
// read a decimal point, even where the desktop program has set the user's locale.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return locale;
    }
    locale_t previous_;
};

Written print(const char* form, double value, int precision) {
    Written out;
    const CLocaleScope c;
    const int n = std::snprintf(out.text, sizeof out.text, form, precision, value);
    out.size = n > 0 ? std::min(static_cast<std::size_t>(n), sizeof out.text - 1) : 0;
    return out;
}

// Whether the digits before the exponent hold one that is not zero.
bool anyNonZeroDigit(std::string_view ascii) {
    for (const char c : ascii) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

} // namespace

Written scientific(double value, int precision) {
    return print("%.*e", value, precision);
}

Written general(double value, int precision) {
    return print("%.*g", value, precision);
}

Reading read(std::string_view ascii) {
    const bool asciiNumber = !ascii.empty() && std::all_of(ascii.begin(), ascii.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
    });
    if (!asciiNumber) {
        return {};
    }
    const std::string text(ascii); // strtod reads up to a terminating zero
    char* end = nullptr;
    double value = 0;
    {
        const CLocaleScope c;
        value = std::strtod(text.c_str(), &end);
    }
    if (end != text.c_str() + text.size()) {
        return {};
    }
    // Too large is infinite; too near zero is zero from digits that are not all zeros.
    // A value between the two, subnormal ones included, is read as it is.
    if (std::isinf(value) || (value == 0 && anyNonZeroDigit(ascii))) {
        return {Reading::Status::OutOfRange, 0};
    }
    return {Reading::Status::Value, value};
}

} // namespace payvanta::numbers::c_text
