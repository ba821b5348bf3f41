#pragma once

#include "failure.h"

#include <filesystem>
#include <string_view>

namespace payvanta::files {

// A name for a new file of the program's own (a printout) in the folder, which is made
// when missing: the name and extension, or "name (2)", "name (3)"... when something is
// there already (a file, a link, even one that points nowhere, a FIFO), so that no file
// and nothing a link points at is ever replaced. A folder that cannot be made or looked
// into, or a name too long for it, is a failure of the folder.
Result<std::filesystem::path> newFileNameIn(const std::filesystem::path& folder,
                                            std::string_view name, std::string_view extension);

} // namespace payvanta::files
