#include "project_file.h"

#include "key_value_file.h"
#include "project_file_layout.h"
#include "text_encoding.h"
#include "text_file.h"

#include <cerrno>

namespace payvanta::files {

Result<KeyValueTable> readProjectFile(const std::filesystem::path& path) {
    Result<std::string> bytes = readSmallTextFile(path, kMaxProjectFileBytes);
    if (!bytes) {
        return bytes.failure();
    }
    return parseKeyValueText(encoding::decodeFileText(*bytes));
}

std::optional<Failure> writeProjectFile(const std::filesystem::path& path,
                                        const ProjectRecord& record,
                                        const LocaleConventions& locale) {
    const std::string bytes = encodeProjectFile(projectFileText(record, locale));
    // A file the program could not open again is not written: the one there stays, and
    // the project stays open to be shortened.
    if (bytes.size() > kMaxProjectFileBytes) {
        return Failure{path.string(), "it would be larger than 1 MiB, too large to be opened again",
                       EFBIG};
    }
    return replaceFileAtomically(path, bytes);
}

} // namespace payvanta::files
