#include "file_naming.h"

namespace payvanta::files {

namespace fs = std::filesystem;

namespace {

// Characters that cannot stand in a file name on one of the systems our users share
// project files between.
constexpr std::string_view kForbidden = "/\\:*?\"<>|";
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

std::optional<std::string> newFileNameProblem(std::string_view name) {
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (kForbidden.find(c) != std::string_view::npos) {
            return "The name \"" + std::string(name) + "\" cannot be used for a file: it holds \"" +
                   std::string(1, c) +
                   "\". Please choose a name without any of these characters: / \\ : * ? \" < > |";
        }
        if (b < 0x20 || b == 0x7F) {
            return "The name cannot be used for a file: it holds a control character. Please "
                   "choose a name made of letters, digits and spaces.";
        }
    }
    if (name.size() + kProjectExtension.size() > kMaxFileNameBytes) {
        return "The name \"" + std::string(name) + "\" is too long for a file name. Please choose "
               "a shorter name.";
    }
    return std::nullopt;
}

std::string cannotReadMessage(std::string_view path, std::string_view reason) {
    return "The file \"" + std::string(path) + "\" could not be read: " + std::string(reason) + ".";
}

std::string cannotSaveMessage(std::string_view path, std::string_view reason) {
    return "The file \"" + std::string(path) + "\" could not be saved: " + std::string(reason) +
           ". Nothing was written; your work is still open.";
}

} // namespace payvanta::files
