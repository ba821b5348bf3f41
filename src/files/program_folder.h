#pragma once

#include "failure.h"

#include <filesystem>

namespace payvanta::files {

// The places a program folder can be. Run from where it was built, the program keeps the
// default file, the tables and new projects beside itself; installed, its own folder
// (/usr/bin) holds none of them and may not be written, so each user gets a folder of
// their own, filled from the data installed with the program.
struct ProgramFolderPlaces {
    std::filesystem::path programsFolder; // the folder of the program itself
    std::filesystem::path installedData;  // the shipped data of an installed program
    std::filesystem::path userFolder;     // the user's own folder
};

// The program folder of the desktop program, which writes new projects into it: the
// program's own folder when it holds the default file and may be written; otherwise the
// user's folder. That is created when missing; a default file or table missing from it
// is copied from the shipped data (the program's own folder when it holds them, else the
// installed data), and so is the examples folder. Nothing already there is replaced. The
// failure names the folder that cannot be made or the file that cannot be copied.
Result<std::filesystem::path> prepareProgramFolder(const ProgramFolderPlaces& places);

// The program folder of a program that only reads: its own folder when it holds the
// default file, else the user's folder when it exists, else the installed data.
std::filesystem::path readingProgramFolder(const ProgramFolderPlaces& places);

} // namespace payvanta::files
