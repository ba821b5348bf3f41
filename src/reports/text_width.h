#pragma once

#include <cstddef>
#include <string_view>

namespace payvanta::reports {

// The columns a UTF-8 text takes on a terminal: one for each character ("$", "\u20AC" and a
// narrow no-break space alike), none for a combining mark or a zero-width character, two
// for a wide East Asian one. A byte that is not part of a UTF-8 character counts one.
std::size_t displayWidth(std::string_view utf8);

} // namespace payvanta::reports
