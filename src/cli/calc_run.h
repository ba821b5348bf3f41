#pragma once

#include "calc_options.h"
#include "reports/print_page.h"
#include "reports/print_target.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace payvanta::cli {

// Opens every file of the options as the program opens an existing project and prints
// its results. Returns the exit status: 0 when every file was computed, 2 when one or
// more could not be read (each is reported on err; the others are still computed).
// Writes printed pages as one PDF file that says of itself what the document tells (its
// title the job's name where it has none of its own); the reason it could not, if it
// could not. The program hands in the one writer it has: writing needs a font engine.
using PdfWriter = std::function<std::optional<std::string>(
    const std::vector<reports::PrintPage>& pages, const std::filesystem::path& file,
    const reports::DocumentInfo& document)>;

int runCalc(const CalcOptions& options, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err, const PdfWriter& pdf = {});

} // namespace payvanta::cli
