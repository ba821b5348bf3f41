#include "file_naming.h"

#include "text_file.h"

namespace payvanta::files {

namespace fs = std::filesystem;

// A file name may have 255 bytes; a save first writes a temporary copy beside the file,
// whose name is longer still.
static_assert(kMaxNewFileNameBytes + kProjectExtension.size() + kTemporarySuffixBytes == 255);

std::string defaultFilePath(const fs::path& programFolder) {
    return (programFolder / kDefaultFileName).string();
}

std::string newProjectFilePath(const fs::path& programFolder, std::string_view name) {
    std::string fileName(name);
    fileName += kProjectExtension;
    return (programFolder / fileName).string();
}

bool isDefaultFilePath(std::string_view path) {
    return path.find(kDefaultFileName) != std::string_view::npos;
}

std::optional<FileNameProblem> newFileNameProblem(std::string_view name) {
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (kForbiddenFileNameCharacters.find(c) != std::string_view::npos) {
            return FileNameProblem{FileNameProblem::Kind::ForbiddenCharacter, c};
        }
        if (b < 0x20 || b == 0x7F) {
            return FileNameProblem{FileNameProblem::Kind::ControlCharacter};
        }
    }
    if (name.size() > kMaxNewFileNameBytes) {
        return FileNameProblem{FileNameProblem::Kind::TooLong};
    }
    if (name.find_first_not_of('.') == std::string_view::npos) {
        return FileNameProblem{FileNameProblem::Kind::DotsOnly};
    }
    return std::nullopt;
}

} // namespace payvanta::files
