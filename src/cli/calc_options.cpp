#include "calc_options.h"

namespace payvanta::cli {

const char* const kCalcUsage =
    "Usage: payvanta-calc [--folder DIR] [--locale NAME] [--report NAME] [--json]\n"
    "                     [--pdf OUT.pdf | --pdf-dir DIR] FILE.QVR...\n"
    "\n"
    "Opens each project file as Payvanta opens an existing project and prints its\n"
    "yearly savings: energy, maintenance, inventory and total.\n"
    "\n"
    "  --report NAME  print a report page instead: Savings, EnergySavings, Maintenance,\n"
    "                 Inventory, Hoist, Trolley or Bridge (in any letter case)\n"
    "  --folder DIR   the program folder holding Customer.ini and the four tables\n"
    "                 (default: the folder of this program when it holds them, else\n"
    "                 Payvanta in the documents folder when there is one, else the\n"
    "                 data installed with the program)\n"
    "  --locale NAME  number and currency conventions, such as en_US or de_DE\n"
    "                 (default: United States English)\n"
    "  --json         print one JSON object per file (an array for several files)\n"
    "  --pdf OUT.pdf  write the seven pages of Print All, in the project's print font,\n"
    "                 to OUT.pdf (one project file)\n"
    "  --pdf-dir DIR  the same for each project file, into DIR, named after the file\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n";

namespace {

std::optional<reports::ReportForm> reportNamed(std::string_view name) {
    const auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        return out;
    };
    for (const auto form :
         {reports::ReportForm::Savings, reports::ReportForm::EnergySavings,
          reports::ReportForm::Maintenance, reports::ReportForm::Inventory,
          reports::ReportForm::Hoist, reports::ReportForm::Trolley, reports::ReportForm::Bridge}) {
        if (lower(reports::formName(form)) == lower(name)) {
            return form;
        }
    }
    return std::nullopt;
}

} // namespace

ParsedOptions parseCalcOptions(const std::vector<std::string>& args) {
    CalcOptions o;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (onlyFiles || a.empty() || a[0] != '-' || a == "-") {
            o.files.push_back(a);
            continue;
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return args[++i];
        };
        if (a == "--") {
            onlyFiles = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--report") {
            const auto v = value();
            const auto form = v ? reportNamed(*v) : std::nullopt;
            if (!form) {
                return {std::nullopt, "--report needs a report name such as Savings or Hoist"};
            }
            o.report = form;
        } else if (a == "--pdf" || a == "--pdf-dir") {
            const auto v = value();
            if (!v || v->empty()) {
                return {std::nullopt, a + " needs a " + (a == "--pdf" ? "file" : "folder")};
            }
            (a == "--pdf" ? o.pdf : o.pdfFolder) = *v;
        } else if (a == "--folder") {
            const auto v = value();
            if (!v) {
                return {std::nullopt, "--folder needs a folder"};
            }
            o.folder = *v;
        } else if (a == "--locale") {
            const auto v = value();
            if (!v) {
                return {std::nullopt, "--locale needs a locale name such as en_US"};
            }
            const auto locale = LocaleConventions::byName(*v);
            if (!locale) {
                return {std::nullopt, "unknown locale \"" + *v + "\""};
            }
            o.locale = *locale;
        } else {
            return {std::nullopt, "unknown option \"" + a + "\""};
        }
    }
    if (o.pdf && o.files.size() > 1) {
        return {std::nullopt, "--pdf writes one project's pages; use --pdf-dir DIR for several"};
    }
    if (!o.help && !o.version && o.files.empty()) {
        return {std::nullopt, "no project file given"};
    }
    return {o, {}};
}

} // namespace payvanta::cli
