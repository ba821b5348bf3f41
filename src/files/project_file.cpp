#include "project_file.h"

#include "key_value_file.h"
#include "project_file_layout.h"
#include "text_encoding.h"
#include "text_file.h"

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
    return replaceFileAtomically(path, encodeProjectFile(projectFileText(record, locale)));
}

} // namespace payvanta::files
