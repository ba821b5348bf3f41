#pragma once

#include <string>
#include <string_view>

namespace payvanta::reports {

// The text as a terminal may be given it: a control character would move the cursor,
// change colours or the window title, so each one is written as a visible escape, "\x1b"
// for ESC: every C0 control (the tab too, which would break the columns), DEL, the C1
// controls U+0080 to U+009F, and any byte that is not part of a UTF-8 character. A line
// feed, alone or after a carriage return, is the text's own line break and stays one (a
// line feed). A backslash stays as it is.
std::string visibleControls(std::string_view text);

} // namespace payvanta::reports
