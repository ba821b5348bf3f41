#pragma once

#include <cstddef>
#include <string_view>

// The conversions between a double and its decimal text in the C library's own form,
// whatever the program's locale: "d.ddde+XX" and "%g" texts written as printf writes
// them, and plain ASCII numbers read as strtod reads them. Both are exact in the C
// libraries the programs are built with (glibc on the desktop, musl in the browser), so
// every build gives the same texts for the same values.
namespace payvanta::numbers::c_text {

// A text written into a fixed buffer; at most 40 characters.
struct Written {
    char text[48];
    std::size_t size = 0;

    std::string_view view() const { return {text, size}; }
};

// printf's "%.*e" of a finite value: its exact decimal value rounded to precision + 1
// significant digits (an exact tie to the even digit), as "d.ddde+XX" (or "de+XX").
Written scientific(double value, int precision);

// printf's "%.*g": precision significant digits, trailing zeros left out, an exponent
// "e+XX" only when it is below -4 or not below the precision.
Written general(double value, int precision);

// The value of an ASCII number: an optional minus, digits with at most one point, an
// optional exponent with its sign; any other text is no number. The nearest double, as
// strtod gives it in the C locale.
struct Reading {
    enum class Status { Value, OutOfRange, NotANumber };
    Status status = Status::NotANumber;
    double value = 0;
};
Reading read(std::string_view ascii);

} // namespace payvanta::numbers::c_text
