#pragma once

#include "model/project_record.h"

#include <string>

namespace payvanta::files {

// The project file as the program writes it: the fixed comment lines, blank lines and
// the 52 settings in their order, each "key = value" with the value as held, except that
// a plain number is written with a decimal point (numbers::fileNumberText), lines ending
// in CRLF. The text is UTF-8; see encodeProjectFile for the bytes.
std::string projectFileText(const ProjectRecord& record, const LocaleConventions& locale);

// The bytes to store: Windows-1252, unless a value holds a character that Windows-1252
// cannot (then the file is UTF-8, so that nothing is lost).
std::string encodeProjectFile(const std::string& text);

} // namespace payvanta::files
