#pragma once

#include "model/run_state.h"

#include <string>
#include <string_view>

namespace payvanta::files {

// The settings of a project or default file, in file order. Blank lines, comment lines
// (whose text, spaces trimmed, begins with "*") and lines without "=" are skipped; the
// key is the text before the first "=", the value the text after it, each with spaces
// (not tabs) trimmed.
KeyValueTable parseKeyValueText(std::string_view text);

// The value of the first pair with exactly this key; "0" when there is none.
std::string lookupValue(const KeyValueTable& table, std::string_view key);

} // namespace payvanta::files
