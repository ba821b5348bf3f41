#pragma once

#include "model/locale_conventions.h"
#include "reports/report_page.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::cli {

struct CalcOptions {
    std::optional<std::filesystem::path> folder;
    LocaleConventions locale = LocaleConventions::unitedStates();
    bool json = false;
    bool help = false;
    bool version = false;
    // A report page to print for each file in place of the summary.
    std::optional<reports::ReportForm> report;
    // The seven pages of Print All as a PDF file: this one (for one project file), or one
    // file a project in this folder.
    std::optional<std::filesystem::path> pdf;
    std::optional<std::filesystem::path> pdfFolder;
    // The proposal in place of Print All's pages: to the --pdf file, or one a project in
    // the --pdf-dir folder.
    bool proposal = false;
    // Who prepared the proposals of this run, in place of each project's own.
    std::optional<std::string> preparedBy;
    // The business case of this run, in place of each project's own: the net cost (for
    // the itemised cost), the life in years, the discount rate in percent, the CO2 factor
    // in lb per kWh.
    std::optional<double> cost;
    std::optional<double> life;
    std::optional<double> discount;
    std::optional<double> co2Factor;
    // One CSV row per file in place of the summary.
    bool csv = false;
    // After the files, one roll-up of them all.
    bool total = false;
    std::vector<std::string> files;
};

// The options, or the message that explains what is wrong with them.
struct ParsedOptions {
    std::optional<CalcOptions> options;
    std::string error;
};

// The conventions of a locale name, or nothing for a name that stands for no locale. The
// program asks Qt's locale data; this library links no Qt.
using LocaleLookup = std::function<std::optional<LocaleConventions>(std::string_view name)>;

// The options, or the message of what is wrong with them. Project files that --pdf-dir
// would write to one PDF file are wrong, before anything is written.
ParsedOptions parseCalcOptions(const std::vector<std::string>& args, const LocaleLookup& lookup);

// The PDF file that --pdf-dir writes for a project file: its name without the extension,
// and ".pdf".
std::filesystem::path pdfDirFile(const std::filesystem::path& folder, const std::string& file);

extern const char* const kCalcUsage;

} // namespace payvanta::cli
