#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace payvanta::reports::qt {

struct FontSubstitute {
    const char* family;
    const char* substitute;
};

// The faces that the forms and reports name, each with its metric-compatible Liberation
// face, so that captions keep their width where the named face is not installed.
inline constexpr std::array<FontSubstitute, 4> kFontSubstitutes{{
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

// Run once at start, after the application object exists. Each named face that is missing
// falls back to its substitute when that is installed; returns the faces substituted.
QStringList installFontSubstitutes();

} // namespace payvanta::reports::qt
