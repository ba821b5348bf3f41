#pragma once

#include "locale_conventions.h"

#include <optional>
#include <string>
#include <string_view>

// Numbers live as texts. This is the one place that reads a number out of a text and
// writes a number into one; nothing else parses or formats a number.
namespace payvanta::numbers {

// A display format: a fixed number of decimals, digit grouping or not, and whether the
// amount is money in the locale's currency form.
struct NumberFormat {
    int decimals = 2;
    bool grouping = true;
    bool currency = false;

    // The formats by the names the screens and reports use: "Currency", "Standard",
    // "0.0000", "##0.0000", "##,##0.000", "##,##0.0", "#,##0.00", "##,##0.00", "##,##0".
    // Throws std::invalid_argument for any other name: that is a programming error.
    static NumberFormat named(std::string_view name);
};

inline constexpr NumberFormat kCurrency{2, true, true};
inline constexpr NumberFormat kStandard{2, true, false};
// The rated-ohms and rated-kilowatt forms of the motion reports: the locale's number
// form with five and with three decimals.
inline constexpr NumberFormat kFiveDecimals{5, true, false};
inline constexpr NumberFormat kThreeDecimals{3, true, false};

// Reads a field's text as a number with the locale's conventions: surrounding spaces,
// one sign, a currency symbol before or after, digit grouping, a negative amount in
// parentheses and an exponent are accepted. "" and "." are not numbers, nor is a value
// too large for a double.
std::optional<double> parse(std::string_view text, const LocaleConventions& locale);

// The plain text form of a number: at most 15 significant digits, no grouping, no
// trailing zeros, an exponent only for very large or very small values (printf's %.15G),
// with the locale's decimal point.
std::string plain(double value, const LocaleConventions& locale);

// The value formatted with a display format. Rounding takes the double's decimal value
// at 15 significant digits and rounds halves away from zero, so 0.44999999999999996
// (which is 0.45 to 15 digits) shows as 0.5 with one decimal.
std::string format(double value, const NumberFormat& fmt, const LocaleConventions& locale);
std::string format(double value, std::string_view formatName, const LocaleConventions& locale);

// What formatting with this many decimals and reading the text back gives: the value
// that later steps compute with once it has been displayed.
double roundHalfAway(double value, int decimals);

} // namespace payvanta::numbers
