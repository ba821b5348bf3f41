#include "number_text.h"

#include "text_trim.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace payvanta::numbers {

namespace {

constexpr int kSignificantDigits = 15;

// A rounded decimal: the digits before and after the decimal point, without sign, in a
// buffer of their own (a double has at most 309 digits before the point).
struct Decimal {
    static constexpr int kCapacity = 400;
    static constexpr int kMaxDecimals = 64;

    bool negative = false;
    std::array<char, kCapacity> digits{};
    int integerCount = 0;  // digits before the point, "0" when the integer part is zero
    int fractionCount = 0; // digits after it

    std::string_view integerDigits() const {
        return {digits.data(), static_cast<std::size_t>(integerCount)};
    }
    std::string_view fractionDigits() const {
        return {digits.data() + integerCount, static_cast<std::size_t>(fractionCount)};
    }
};

// The significant digits of a double in scientific form, and the decimal exponent of the
// first one.
struct Significant {
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;
};

// The digits and the exponent of a scientific form "d.ddde+XX" (or "de+XX").
void splitScientific(const char* begin, const char* end, Significant& out) {
    out.count = 0;
    out.digits[static_cast<std::size_t>(out.count++)] = begin[0];
    const char* p = begin + 1;
    if (p < end && *p == '.') {
        ++p;
    }
    while (p < end && *p != 'e') {
        out.digits[static_cast<std::size_t>(out.count++)] = *p++;
    }
    out.exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, out.exponent);
}

// The value's decimal digits at 15 significant digits (trailing zeros may be left out)
// and the exponent of the first one. The shortest form that reads back as the value
// gives them cheaply: with at most 15 digits it is the 15-digit rounding itself (any
// double lies closer to it than half a step of 15 digits), and with 16 or 17 digits
// rounding it at the 16th digit decides as rounding the exact value would, except when
// it ends in exactly that 5; only then is the exact value written out to 15 digits.
Significant fifteenDigits(double magnitude) {
    Significant out;
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    splitScientific(buf, res.ptr, out);
    const int n = kSignificantDigits;
    if (out.count <= n) {
        return out;
    }
    if (out.count == n + 1 && out.digits[n] == '5') {
        res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                            kSignificantDigits - 1);
        splitScientific(buf, res.ptr, out);
        return out;
    }
    const bool up = out.digits[n] >= '5';
    out.count = n;
    if (!up) {
        return out;
    }
    int i = n;
    while (i > 0 && out.digits[static_cast<std::size_t>(i - 1)] == '9') {
        out.digits[static_cast<std::size_t>(--i)] = '0';
    }
    if (i == 0) {
        // 99...9 became 100...0: one digit more, the last one (a zero) dropped.
        out.digits[0] = '1';
        ++out.exponent;
    } else {
        ++out.digits[static_cast<std::size_t>(i - 1)];
    }
    return out;
}

// Rounds |value| at 15 significant digits to the given number of decimals, halves away
// from zero.
Decimal roundDecimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        throw std::overflow_error("number too large to show");
    }
    decimals = std::clamp(decimals, 0, Decimal::kMaxDecimals);
    Decimal out;
    out.negative = std::signbit(value);
    const Significant sig = fifteenDigits(std::fabs(value));

    // The kept digits stand for 0.kept x 10^integerCount.
    std::array<char, Decimal::kCapacity> kept{};
    int integerCount = sig.exponent + 1;
    const int keep = integerCount + decimals;
    int keptCount = 0;
    if (keep >= sig.count) {
        std::copy_n(sig.digits.begin(), sig.count, kept.begin());
        std::fill_n(kept.begin() + sig.count, keep - sig.count, '0');
        keptCount = keep;
    } else if (keep <= 0) {
        if (keep == 0 && sig.digits[0] >= '5') {
            kept[0] = '1';
            keptCount = 1;
            integerCount += 1;
        } else {
            integerCount = 0;
        }
    } else {
        std::copy_n(sig.digits.begin(), keep, kept.begin());
        keptCount = keep;
        if (sig.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i--)] = '0';
            }
            if (i < 0) {
                std::copy_backward(kept.begin(), kept.begin() + keptCount,
                                   kept.begin() + keptCount + 1);
                kept[0] = '1';
                ++keptCount;
                integerCount += 1;
            } else {
                ++kept[static_cast<std::size_t>(i)];
            }
        }
    }

    // Split at the decimal point: the integer part without leading zeros, then exactly
    // `decimals` digits after the point.
    char* d = out.digits.data();
    int at = 0;
    if (integerCount > 0) {
        int first = 0;
        while (first < std::min(integerCount, keptCount) - 1 &&
               kept[static_cast<std::size_t>(first)] == '0') {
            ++first;
        }
        for (int i = first; i < integerCount; ++i) {
            d[at++] = i < keptCount ? kept[static_cast<std::size_t>(i)] : '0';
        }
        out.integerCount = at;
        for (int i = integerCount; i < integerCount + decimals; ++i) {
            d[at++] = i < keptCount ? kept[static_cast<std::size_t>(i)] : '0';
        }
    } else {
        d[at++] = '0';
        out.integerCount = 1;
        for (int i = 0; i < decimals; ++i) {
            const int k = i + integerCount; // the leading zeros come first
            d[at++] = k >= 0 && k < keptCount ? kept[static_cast<std::size_t>(k)] : '0';
        }
    }
    out.fractionCount = decimals;
    // A value that rounds to zero shows without a sign.
    if (std::all_of(d, d + at, [](char c) { return c == '0'; })) {
        out.negative = false;
    }
    return out;
}

std::string groupDigits(std::string_view digits, const LocaleConventions& locale) {
    if (locale.groupSize <= 0 || digits.size() <= static_cast<size_t>(locale.groupSize)) {
        return std::string(digits);
    }
    std::string out;
    out.reserve(digits.size() * 2);
    const auto size = static_cast<size_t>(locale.groupSize);
    size_t lead = digits.size() % size;
    if (lead == 0) {
        lead = size;
    }
    out.append(digits, 0, lead);
    for (size_t i = lead; i < digits.size(); i += size) {
        out += locale.groupSeparator;
        out.append(digits, i, size);
    }
    return out;
}

std::string applyCurrencyPattern(const std::string& pattern, const std::string& number,
                                 const LocaleConventions& locale) {
    std::string out;
    for (char c : pattern) {
        if (c == 'n') {
            out += number;
        } else if (c == '$') {
            out += locale.currencySymbol;
        } else if (c == '-') {
            out += locale.negativeSign;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// A number may stand between spaces and tabs.
std::string_view trimBlanks(std::string_view s) {
    return trimSpaces(s, " \t");
}

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";

// Whether s starts (ends) with a mark of the locale; a locale may leave a mark empty
// (no group separator, no currency symbol), which is never found.
bool startsWithMark(std::string_view s, std::string_view mark) {
    return !mark.empty() && s.starts_with(mark);
}

bool endsWithMark(std::string_view s, std::string_view mark) {
    return !mark.empty() && s.ends_with(mark);
}

// The digits at the front of s.
std::string_view leadingDigits(std::string_view s) {
    const auto end = std::ranges::find_if(s, [](char c) { return c < '0' || c > '9'; });
    return s.substr(0, static_cast<std::size_t>(end - s.begin()));
}

// Length of a group separator at the start of s, or 0. Where a locale groups with a
// no-break space, a typed plain space counts as one.
size_t groupSeparatorAt(std::string_view s, const LocaleConventions& locale) {
    if (startsWithMark(s, locale.groupSeparator)) {
        return locale.groupSeparator.size();
    }
    const bool spaceGrouping = locale.groupSeparator == kNoBreakSpace ||
                               locale.groupSeparator == kNarrowNoBreakSpace ||
                               locale.groupSeparator == " ";
    if (spaceGrouping) {
        if (s.starts_with(' ')) {
            return 1;
        }
        if (s.starts_with(kNoBreakSpace)) {
            return kNoBreakSpace.size();
        }
        if (s.starts_with(kNarrowNoBreakSpace)) {
            return kNarrowNoBreakSpace.size();
        }
    }
    return 0;
}

// Reads the unsigned number itself: digits with grouping, a decimal point, an exponent.
// Appends its plain ASCII form to out; false when the text is not exactly such a number.
bool scanUnsigned(std::string_view s, const LocaleConventions& locale, std::string& out) {
    bool anyDigit = false;
    bool lastWasDigit = false;
    // Integer part, with group separators only between digits, where the locale puts them.
    const auto groupSize = static_cast<size_t>(std::max(locale.groupSize, 1));
    const size_t integerStart = out.size();
    size_t groupDigits = 0;
    bool grouped = false;
    while (!s.empty()) {
        const char c = s.front();
        if (c >= '0' && c <= '9') {
            out.push_back(c);
            anyDigit = lastWasDigit = true;
            ++groupDigits;
            s.remove_prefix(1);
            continue;
        }
        if (startsWithMark(s, locale.decimalPoint)) {
            break;
        }
        const size_t sep = groupSeparatorAt(s, locale);
        if (sep > 0 && lastWasDigit && s.size() > sep && s[sep] >= '0' && s[sep] <= '9') {
            const bool leadingGroupFits = groupDigits <= groupSize && out[integerStart] != '0';
            if (grouped ? groupDigits != groupSize : !leadingGroupFits) {
                return false;
            }
            grouped = true;
            groupDigits = 0;
            s.remove_prefix(sep);
            lastWasDigit = false;
            continue;
        }
        break;
    }
    if (grouped && groupDigits != groupSize) {
        return false;
    }
    if (startsWithMark(s, locale.decimalPoint)) {
        s.remove_prefix(locale.decimalPoint.size());
        out.push_back('.');
        const std::string_view fraction = leadingDigits(s);
        out += fraction;
        anyDigit = anyDigit || !fraction.empty();
        s.remove_prefix(fraction.size());
    }
    if (!anyDigit) {
        return false;
    }
    if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
        s.remove_prefix(1);
        out.push_back('e');
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            out.push_back(s.front());
            s.remove_prefix(1);
        }
        const std::string_view exponent = leadingDigits(s);
        if (exponent.empty()) {
            return false;
        }
        out += exponent;
        s.remove_prefix(exponent.size());
    }
    return s.empty();
}

// Removes one sign at the front; true when it was a minus.
bool takeSign(std::string_view& s, const LocaleConventions& locale, bool& sawSign) {
    if (sawSign) {
        return false;
    }
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        sawSign = true;
        return false;
    }
    if (startsWithMark(s, locale.negativeSign) || (!s.empty() && s.front() == '-')) {
        s.remove_prefix(startsWithMark(s, locale.negativeSign) ? locale.negativeSign.size() : 1);
        sawSign = true;
        return true;
    }
    return false;
}

// The common text, digits with at most one decimal point and nothing else (a minus sign in
// front), read in one pass without a copy. Nothing when the text is anything else: the
// full reading below takes it.
std::optional<double> parsePlainDigits(std::string_view s, const LocaleConventions& locale) {
    // Up to 15 significant digits make an integer that a double holds exactly, and a
    // power of ten up to 10^22 is exact too: one division then rounds correctly, as
    // the full conversion would.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::string_view whole = s;
    const bool negative = !s.empty() && s.front() == '-' && locale.negativeSign == "-";
    if (negative) {
        s.remove_prefix(1);
    }
    const char decimalPoint = locale.decimalPoint.size() == 1 ? locale.decimalPoint[0] : '\0';
    std::uint64_t mantissa = 0;
    int significant = 0;
    int fractionDigits = 0;
    bool digit = false;
    bool point = false;
    for (const char c : s) {
        if (c >= '0' && c <= '9') {
            digit = true;
            if (mantissa != 0 || c != '0') {
                if (++significant <= kSignificantDigits) {
                    mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
                }
            }
            fractionDigits += point ? 1 : 0;
        } else if (c == decimalPoint && decimalPoint != '\0' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    if (significant <= kSignificantDigits && fractionDigits <= 22) {
        const double value = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }
    if (decimalPoint != '.') {
        return std::nullopt;
    }
    double value = 0;
    const auto res = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (res.ec != std::errc() || res.ptr != whole.data() + whole.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The text is a plain number written with this decimal separator: an optional minus,
// digits with at most one separator among or after them, an optional exponent.
bool isPlainNumber(std::string_view s, std::string_view decimalPoint) {
    if (s.starts_with('-')) {
        s.remove_prefix(1);
    }
    const auto skipDigits = [&s] {
        const size_t n = leadingDigits(s).size();
        s.remove_prefix(n);
        return n;
    };
    size_t digits = skipDigits();
    if (startsWithMark(s, decimalPoint)) {
        s.remove_prefix(decimalPoint.size());
        digits += skipDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (!s.empty() && (s.front() == 'E' || s.front() == 'e')) {
        s.remove_prefix(1);
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            s.remove_prefix(1);
        }
        if (skipDigits() == 0) {
            return false;
        }
    }
    return s.empty();
}

// The plain number with its decimal separator exchanged; any other text as it stands.
std::string withDecimalSeparator(std::string_view text, std::string_view from,
                                 std::string_view to) {
    if (from == to || !isPlainNumber(text, from)) {
        return std::string(text);
    }
    const size_t at = text.find(from);
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(text.substr(0, at)).append(to).append(text.substr(at + from.size()));
}

} // namespace

std::string fileNumberText(std::string_view text, const LocaleConventions& locale) {
    return withDecimalSeparator(text, locale.decimalPoint, ".");
}

std::string loadedNumberText(std::string_view value, const LocaleConventions& locale) {
    return withDecimalSeparator(value, ".", locale.decimalPoint);
}

NumberFormat NumberFormat::named(std::string_view name) {
    if (name == "Currency") {
        return kCurrency;
    }
    if (name == "Standard") {
        return kStandard;
    }
    if (name == "0.0000" || name == "##0.0000") {
        return {4, false, false};
    }
    if (name == "##,##0.000") {
        return {3, true, false};
    }
    if (name == "##,##0.0") {
        return {1, true, false};
    }
    if (name == "#,##0.00" || name == "##,##0.00") {
        return {2, true, false};
    }
    if (name == "##,##0") {
        return {0, true, false};
    }
    throw std::invalid_argument("unknown number format: " + std::string(name));
}

namespace {

// parse, telling apart a text written as a number that no double holds (beyond set).
std::optional<double> parseNumber(std::string_view text, const LocaleConventions& locale,
                                  bool& beyond) {
    beyond = false;
    std::string_view s = trimBlanks(text);
    if (s.empty()) {
        return std::nullopt;
    }
    if (const auto plainValue = parsePlainDigits(s, locale)) {
        return plainValue;
    }
    bool negative = false;
    bool sawSign = false;
    if (s.front() == '(' && s.back() == ')') {
        s = trimBlanks(s.substr(1, s.size() - 2));
        negative = true;
        sawSign = true; // no further sign inside parentheses
    }
    // [sign] [symbol] [sign] number [symbol], spaces allowed beside the symbol.
    negative = takeSign(s, locale, sawSign) || negative;
    bool sawSymbol = false;
    if (startsWithMark(s, locale.currencySymbol)) {
        s = trimBlanks(s.substr(locale.currencySymbol.size()));
        sawSymbol = true;
        negative = takeSign(s, locale, sawSign) || negative;
    }
    if (!sawSymbol && endsWithMark(s, locale.currencySymbol)) {
        s = trimBlanks(s.substr(0, s.size() - locale.currencySymbol.size()));
    }
    // A no-break space between the digits and the symbol is as good as a space.
    while (s.ends_with(kNoBreakSpace)) {
        s.remove_suffix(kNoBreakSpace.size());
    }

    std::string ascii;
    ascii.reserve(s.size() + 1);
    if (negative) {
        ascii.push_back('-');
    }
    if (!scanUnsigned(s, locale, ascii)) {
        return std::nullopt;
    }
    double value = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    beyond = res.ec == std::errc::result_out_of_range && res.ptr == ascii.data() + ascii.size();
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> parse(std::string_view text, const LocaleConventions& locale) {
    bool beyond = false;
    return parseNumber(text, locale, beyond);
}

bool beyondDouble(std::string_view text, const LocaleConventions& locale) {
    bool beyond = false;
    return !parseNumber(text, locale, beyond) && beyond;
}

std::string plain(double value, const LocaleConventions& locale) {
    if (value == 0) {
        return "0"; // never "-0"
    }
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, kSignificantDigits);
    std::string out;
    out.reserve(static_cast<size_t>(res.ptr - buf) + 2);
    for (const char* p = buf; p < res.ptr; ++p) {
        if (*p == '.') {
            out += locale.decimalPoint;
        } else if (*p == 'e') {
            out.push_back('E');
        } else {
            out.push_back(*p);
        }
    }
    return out;
}

std::string format(double value, const NumberFormat& fmt, const LocaleConventions& locale) {
    const int decimals = fmt.currency ? locale.currencyDecimals : fmt.decimals;
    const Decimal d = roundDecimal(value, decimals);
    std::string number =
        fmt.grouping ? groupDigits(d.integerDigits(), locale) : std::string(d.integerDigits());
    if (decimals > 0) {
        number += locale.decimalPoint;
        number += d.fractionDigits();
    }
    if (fmt.currency) {
        return applyCurrencyPattern(d.negative ? locale.negativeCurrencyPattern
                                               : locale.positiveCurrencyPattern,
                                    number, locale);
    }
    return d.negative ? locale.negativeSign + number : number;
}

std::string format(double value, std::string_view formatName, const LocaleConventions& locale) {
    return format(value, NumberFormat::named(formatName), locale);
}

double roundHalfAway(double value, int decimals) {
    const Decimal d = roundDecimal(value, decimals);
    std::array<char, Decimal::kCapacity + 2> ascii{};
    std::size_t n = 0;
    if (d.negative) {
        ascii[n++] = '-';
    }
    for (const char c : d.integerDigits()) {
        ascii[n++] = c;
    }
    if (d.fractionCount > 0) {
        ascii[n++] = '.';
        for (const char c : d.fractionDigits()) {
            ascii[n++] = c;
        }
    }
    double out = 0;
    std::from_chars(ascii.data(), ascii.data() + n, out);
    return out;
}

} // namespace payvanta::numbers
