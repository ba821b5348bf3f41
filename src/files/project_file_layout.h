#pragma once

#include "model/project_record.h"
#include "model/run_state.h"

#include <string>

namespace payvanta::files {

// The project file as the program writes it: the fixed comment lines, blank lines and
// the 52 settings in their order, each "key = value" with the value as held, except that
// a plain number is written with a decimal point (numbers::fileNumberText), lines ending
// in CRLF. The text is UTF-8; see encodeProjectFile for the bytes. When the user has
// entered any of the business case, its eight settings follow in a block of their own
// after the print settings, their numbers written the same way.
std::string projectFileText(const ProjectRecord& record, const LocaleConventions& locale);

// The business case of a file's settings: each key's first value, empty where a key is
// missing (a missing input is one not entered, never "0").
BusinessCaseInputs readBusinessCase(const KeyValueTable& table);

// The bytes to store: Windows-1252, unless a value holds a character that Windows-1252
// cannot (then the file is UTF-8, so that nothing is lost).
std::string encodeProjectFile(const std::string& text);

} // namespace payvanta::files
