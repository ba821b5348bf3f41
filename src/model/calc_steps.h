#pragma once

#include "locale_conventions.h"
#include "project_record.h"

#include <cmath>
#include <exception>

// The arithmetic of the savings models. A model stops at the first value that cannot be
// read or computed (a field that is not a number, a division by zero, an overflow): the
// step throws CalcStop, the model catches it, keeps what it had already assigned and
// returns as if nothing happened.
namespace payvanta::calc {

struct CalcStop : std::exception {
    const char* what() const noexcept override { return "calculation stopped"; }
};

inline double finite(double x) {
    if (!std::isfinite(x)) {
        throw CalcStop{};
    }
    return x;
}

inline double div(double a, double b) {
    if (b == 0) {
        throw CalcStop{};
    }
    return finite(a / b);
}

inline double mul(double a, double b) {
    return finite(a * b);
}

inline double add(double a, double b) {
    return finite(a + b);
}

inline double sub(double a, double b) {
    return finite(a - b);
}

// Reads fields of the record as numbers, stopping the model at one that is not a number.
class Reader {
public:
    Reader(const ProjectRecord& record, const LocaleConventions& locale)
        : record_(record), locale_(locale) {}

    double operator()(Field field) const {
        const auto value = record_.number(field, locale_);
        if (!value) {
            throw CalcStop{};
        }
        return *value;
    }

private:
    const ProjectRecord& record_;
    const LocaleConventions& locale_;
};

} // namespace payvanta::calc
