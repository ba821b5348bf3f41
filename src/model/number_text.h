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
// parentheses and an exponent are accepted. Grouping is read only as the locale writes
// it: a first group of one to three digits that does not start with 0, then groups of
// exactly three, so that "0.0824" is no number in Germany rather than 824. "" and "."
// are not numbers, nor is a value too large for a double.
std::optional<double> parse(std::string_view text, const LocaleConventions& locale);

// Whether parse refuses the text only because it is written as a number no double holds,
// too large or too near zero: "1e400", a number of 400 digits.
bool beyondDouble(std::string_view text, const LocaleConventions& locale);

// Numbers in project files. A file holds each number as it was typed, and a file written
// in one locale must read the same in another. Typed numbers hold no grouping (the key
// filter admits none), so:
// - Saving writes a number field whose text is a plain number in the user's locale (an
//   optional minus, digits with at most one decimal separator, an optional exponent)
//   with a point: "0,0824" typed in Germany is saved as "0.0824". In the United States
//   nothing changes, so its files keep their bytes.
// - Loading shows a value that is such a plain number with a point in the user's form:
//   "0.0824" opens as "0,0824" in Germany.
// - Any other value, such as "0,0824" in an older German file or a hand-typed "100,000"
//   in the United States, is loaded as it stands and read with the locale's conventions.
// The text of a number field as saved, and the text a loaded value becomes.
std::string fileNumberText(std::string_view text, const LocaleConventions& locale);
std::string loadedNumberText(std::string_view value, const LocaleConventions& locale);

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
