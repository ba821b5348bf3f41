#pragma once

#include "calc_options.h"

#include <filesystem>
#include <ostream>

namespace payvanta::cli {

// Opens every file of the options as the program opens an existing project and prints
// its results. Returns the exit status: 0 when every file was computed, 2 when one or
// more could not be read (each is reported on err; the others are still computed).
int runCalc(const CalcOptions& options, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err);

} // namespace payvanta::cli
