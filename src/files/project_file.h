#pragma once

#include "failure.h"
#include "model/project_record.h"
#include "model/run_state.h"

#include <cstddef>
#include <filesystem>
#include <optional>

namespace payvanta::files {

// The largest project or default file the program reads.
inline constexpr std::size_t kMaxProjectFileBytes = 1024 * 1024;

// The settings of a project or default file, in file order: the file read whole, its
// text decoded and its lines parsed. Nothing is kept when it cannot be read.
Result<KeyValueTable> readProjectFile(const std::filesystem::path& path);

// Writes the record in the project-file layout, its numbers in the form every locale
// reads alike, replacing the file without ever leaving it half-written. A record whose
// file would be too large to read again is refused, and nothing is written.
std::optional<Failure> writeProjectFile(const std::filesystem::path& path,
                                        const ProjectRecord& record,
                                        const LocaleConventions& locale);

} // namespace payvanta::files
