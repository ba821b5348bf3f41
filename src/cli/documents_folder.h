#pragma once

#include <filesystem>

namespace payvanta::cli {

// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR in user-dirs.dirs
// of the user's configuration folder, else Documents in the home folder. The desktop
// program asks Qt for this folder; this is the same answer without Qt.
std::filesystem::path documentsFolder();

} // namespace payvanta::cli
