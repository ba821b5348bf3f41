#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::files {

inline constexpr std::string_view kDefaultFileName = "Customer.ini";
inline constexpr std::string_view kProjectExtension = ".QVR";

inline constexpr std::string_view kNewFileNamePrompt =
    "Please enter the name of the new file. NOTE: The .QVR file extention will be added for you.";

// The default file beside the program.
std::string defaultFilePath(const std::filesystem::path& programFolder);

// The program folder, a separator, the name as typed and ".QVR".
std::string newProjectFilePath(const std::filesystem::path& programFolder, std::string_view name);

// A path names the default file when it holds the text "Customer.ini" anywhere, in this
// letter case. A project the user named "Customer.ini" is treated the same way.
bool isDefaultFilePath(std::string_view path);

// Why a typed name cannot become a file name in the program folder (a path separator,
// a character no file name may hold, too long), or nothing when it can.
std::optional<std::string> newFileNameProblem(std::string_view name);

// The message for a file that could not be read or written.
std::string cannotReadMessage(std::string_view path, std::string_view reason);
std::string cannotSaveMessage(std::string_view path, std::string_view reason);

} // namespace payvanta::files
