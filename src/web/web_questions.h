#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace payvanta::web {

// The view's questions, answered by the page's own dialogs. Each one suspends the engine
// until the user answers (Asyncify): they may only be reached from the entry points the
// page calls asynchronously (see web_form.cpp).
bool askYesNo(std::string_view question);
std::optional<std::string> askText(std::string_view prompt);
std::optional<std::string> chooseProjectFile();

} // namespace payvanta::web
