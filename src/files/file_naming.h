#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::files {

inline constexpr std::string_view kDefaultFileName = "Customer.ini";
inline constexpr std::string_view kProjectExtension = ".QVR";

// The default file beside the program.
std::string defaultFilePath(const std::filesystem::path& programFolder);

// The program folder, a separator, the name as typed and ".QVR".
std::string newProjectFilePath(const std::filesystem::path& programFolder, std::string_view name);

// A path names the default file when it holds the text "Customer.ini" anywhere, in this
// letter case. A project the user named "Customer.ini" is treated the same way.
bool isDefaultFilePath(std::string_view path);

// Why a typed name cannot become a file name in the program folder.
struct FileNameProblem {
    enum class Kind {
        ForbiddenCharacter, // a path separator or a character no file name may hold
        ControlCharacter,
        TooLong,  // with ".QVR" and the suffix of a save's temporary copy, longer than a
                  // file name may be
        DotsOnly, // "." or "..": no name, and the file would be hidden ("..QVR")
    };
    Kind kind;
    char character = 0; // the forbidden character

    friend bool operator==(const FileNameProblem&, const FileNameProblem&) = default;
};

// The characters that no file name may hold on one of the systems our users share
// project files between.
inline constexpr std::string_view kForbiddenFileNameCharacters = "/\\:*?\"<>|";

// The longest name that can be typed for a new project, in bytes of UTF-8.
inline constexpr std::size_t kMaxNewFileNameBytes = 240;

std::optional<FileNameProblem> newFileNameProblem(std::string_view name);

} // namespace payvanta::files
