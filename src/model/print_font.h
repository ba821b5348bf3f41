#pragma once

#include "project_record.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace payvanta {

// A print font the user can choose: the items of the "Printer-Fonts" menu, in menu order.
struct PrintFontChoice {
    std::string_view fontName;
    std::int16_t fontSize;
};

inline constexpr std::array<PrintFontChoice, 11> kPrintFontChoices{{
    {"MS Sans Serif", 8},
    {"Arial", 7},
    {"Arial", 8},
    {"Arial", 10},
    {"Arial", 11},
    {"Arial", 12},
    {"Times New Roman", 7},
    {"Times New Roman", 8},
    {"Times New Roman", 10},
    {"Times New Roman", 11},
    {"Times New Roman", 12},
}};

inline constexpr std::size_t kDefaultPrintFont = 0;

// Brings the print settings of a record that was just loaded in line with the menu: a
// pair the menu offers is taken as it stands; any other pair becomes MS Sans Serif 8.
// Returns the index of the menu item to check. Names are compared exactly, letter case
// included.
std::size_t applyPrintFont(ProjectRecord& record);

} // namespace payvanta
