#include "calc_options.h"

#include "model/business_case_inputs.h"
#include "reports/business_case_text.h"

#include <map>
#include <utility>

namespace payvanta::cli {

const char* const kCalcUsage =
    "Usage: payvanta-calc [--folder DIR] [--locale NAME] [--report NAME] [--json | --csv]\n"
    "                     [--pdf OUT.pdf | --pdf-dir DIR] [--total] [--cost AMOUNT]\n"
    "                     [--life YEARS] [--discount PERCENT] [--co2-factor LB]\n"
    "                     [--proposal [OUT.pdf]] [--prepared-by TEXT] FILE.QVR...\n"
    "\n"
    "Opens each project file as Payvanta opens an existing project and prints its\n"
    "yearly savings: energy, maintenance, inventory and total.\n"
    "\n"
    "  --report NAME  print a report page instead: Savings, EnergySavings, Maintenance,\n"
    "                 Inventory, Hoist, Trolley, Bridge or BusinessCase (in any letter\n"
    "                 case); with --pdf or --pdf-dir, that page is written as PDF\n"
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
    "  --proposal OUT.pdf  write the proposal to OUT.pdf: a cover with the headline\n"
    "                 figures, the business case, the pages of Print All and the\n"
    "                 project data; with --pdf-dir DIR, --proposal alone writes one\n"
    "                 proposal per project file into DIR\n"
    "  --prepared-by TEXT  who prepared the proposal, for this run\n"
    "  --csv          print one CSV row per file (RFC 4180, with a header row): file,\n"
    "                 customer, project, the four amounts, kWh saved per year, simple\n"
    "                 payback in years and CO2 avoided in tonnes per year, numbers with\n"
    "                 a decimal point whatever the locale\n"
    "  --total        after the files, one roll-up of them all: the sum of each amount,\n"
    "                 of the kWh and of the CO2, and the payback of the summed cost\n"
    "  --cost AMOUNT  the retrofit's net cost, in place of each project's own cost,\n"
    "                 from 0 to 100,000,000\n"
    "  --life YEARS   the project life, a whole number of years from 1 to 100\n"
    "  --discount PERCENT  the discount rate of the net present value, such as 8, from\n"
    "                 -50 to 100\n"
    "  --co2-factor LB     lb of CO2 per kWh saved, such as 0.81 (the U.S. average),\n"
    "                 from 0 to 5\n"
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
    for (const auto form : {reports::ReportForm::Savings, reports::ReportForm::EnergySavings,
                            reports::ReportForm::Maintenance, reports::ReportForm::Inventory,
                            reports::ReportForm::Hoist, reports::ReportForm::Trolley,
                            reports::ReportForm::Bridge, reports::ReportForm::BusinessCase}) {
        if (lower(reports::formName(form)) == lower(name)) {
            return form;
        }
    }
    return std::nullopt;
}

// A business-case input of the command line, written as in the United States ("125000",
// "0.81"), read as the input it stands for; nothing when it is missing, no number or out
// of the input's range.
std::optional<double> caseOption(const std::optional<std::string>& text, CaseInput input) {
    if (!text) {
        return std::nullopt;
    }
    const CheckedInput checked = checkCaseInput(input, *text, LocaleConventions::unitedStates());
    return checked.state == InputState::Valid ? std::optional<double>(checked.value) : std::nullopt;
}

// A file that --proposal writes to: a name ending in ".pdf", in any letter case.
bool endsWithPdf(std::string_view arg) {
    if (arg.size() < 4 || arg[0] == '-') {
        return false;
    }
    std::string end(arg.substr(arg.size() - 4));
    for (char& c : end) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return end == ".pdf";
}

// Two project files that --pdf-dir would write to one PDF file ("a/x.QVR" and
// "b/x.qvr"): the second would replace the first's pages, so neither is written.
std::optional<std::string> samePdfFile(const std::vector<std::string>& files,
                                       const std::filesystem::path& folder) {
    std::map<std::filesystem::path, const std::string*> written;
    for (const std::string& file : files) {
        const std::filesystem::path pdf = pdfDirFile(folder, file);
        const auto [first, added] = written.emplace(pdf, &file);
        if (!added) {
            return "\"" + *first->second + "\" and \"" + file + "\" would both be written to \"" +
                   pdf.string() + "\"";
        }
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path pdfDirFile(const std::filesystem::path& folder, const std::string& file) {
    return folder / (std::filesystem::path(file).stem().string() + ".pdf");
}

ParsedOptions parseCalcOptions(const std::vector<std::string>& args, const LocaleLookup& lookup) {
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
        } else if (a == "--proposal") {
            o.proposal = true;
            // Its file, when one follows; alone it writes into the --pdf-dir folder.
            if (i + 1 < args.size() && endsWithPdf(args[i + 1])) {
                if (o.pdf) {
                    return {std::nullopt, "--proposal and --pdf name two files: give one"};
                }
                o.pdf = args[++i];
            }
        } else if (a == "--prepared-by") {
            o.preparedBy = value();
            if (!o.preparedBy) {
                return {std::nullopt, "--prepared-by needs a name"};
            }
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--total") {
            o.total = true;
        } else if (a == "--cost" || a == "--life" || a == "--discount" || a == "--co2-factor") {
            // The net cost stands for the drive hardware, the other parts left out.
            const auto [option, input] =
                a == "--cost"       ? std::pair{&CalcOptions::cost, CaseInput::DriveCost}
                : a == "--life"     ? std::pair{&CalcOptions::life, CaseInput::ProjectLife}
                : a == "--discount" ? std::pair{&CalcOptions::discount, CaseInput::DiscountRate}
                                    : std::pair{&CalcOptions::co2Factor, CaseInput::Co2Factor};
            o.*option = caseOption(value(), input);
            if (!(o.*option)) {
                return {std::nullopt,
                        a + " needs " +
                            reports::inputRangeText(input, LocaleConventions::unitedStates())};
            }
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
            const auto locale = lookup(*v);
            if (!locale) {
                return {std::nullopt, "unknown locale \"" + *v + "\""};
            }
            o.locale = *locale;
        } else {
            return {std::nullopt, "unknown option \"" + a + "\""};
        }
    }
    if (o.csv && (o.json || o.report || o.pdf || o.pdfFolder)) {
        return {std::nullopt, "--csv prints its own rows: leave out --json, --report and --pdf"};
    }
    if (o.total && (o.pdf || o.pdfFolder)) {
        return {std::nullopt, "--total prints a roll-up: leave out --pdf and --pdf-dir"};
    }
    if (o.proposal && ((!o.pdf && !o.pdfFolder) || o.report)) {
        return {std::nullopt, o.report ? "--proposal writes its own pages: leave out --report"
                                       : "--proposal needs a file (--proposal OUT.pdf), or "
                                         "--pdf-dir DIR for one proposal per project file"};
    }
    if (o.preparedBy && !o.proposal) {
        return {std::nullopt, "--prepared-by is printed on a proposal: add --proposal"};
    }
    if (o.pdf && o.files.size() > 1) {
        return {std::nullopt, "--pdf writes one project's pages; use --pdf-dir DIR for several"};
    }
    if (!o.help && !o.version && o.files.empty()) {
        return {std::nullopt, "no project file given"};
    }
    if (o.pdfFolder) {
        if (auto clash = samePdfFile(o.files, *o.pdfFolder)) {
            return {std::nullopt, std::move(*clash)};
        }
    }
    return {o, {}};
}

} // namespace payvanta::cli
