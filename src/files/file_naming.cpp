#include "file_naming.h"

namespace payvanta::files {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxFileNameBytes = 255;

} // namespace

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
    if (name.size() + kProjectExtension.size() > kMaxFileNameBytes) {
        return FileNameProblem{FileNameProblem::Kind::TooLong};
    }
    return std::nullopt;
}

} // namespace payvanta::files
