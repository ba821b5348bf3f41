#pragma once

#include <string>

namespace payvanta::web {

// The main form for the page to build: the window title, the message boxes' title, the tabs, each
// frame's fields in their tab order (control name, text box or list, caption, tool tip, the name
// and description a screen reader gives where the caption does not say it, whether shown and
// typed in), the summary's labels, the command buttons, the View and Printer-Fonts menus and the
// business-case inputs, all by control name.
std::string formLayoutJson();

} // namespace payvanta::web
