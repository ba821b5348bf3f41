#pragma once

#include <string_view>

namespace payvanta {

// s without the given characters at either end: spaces alone unless told otherwise, so
// that a tab in a file's line stays.
inline std::string_view trimSpaces(std::string_view s, std::string_view spaces = " ") {
    const auto first = s.find_first_not_of(spaces);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(spaces) - first + 1);
}

} // namespace payvanta
