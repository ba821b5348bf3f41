#include "calc_run.h"

#include "business_case_output.h"
#include "files/reference_tables.h"
#include "json_report.h"
#include "model/number_text.h"
#include "reports/page_text.h"
#include "reports/terminal_text.h"
#include "stderr_view.h"
#include "ui/main_form.h"

#include <memory>
#include <optional>

namespace payvanta::cli {

namespace {

constexpr int kFileFailed = 2;

void writeSummary(std::ostream& out, const std::string& path, const SummaryTexts& s) {
    using reports::visibleControls;
    out << visibleControls(path) << '\n';
    out << "  Energy       " << visibleControls(s.lblSummaryEnergy) << '\n';
    out << "  Maintenance  " << visibleControls(s.lblSumaryMaintenance) << '\n';
    out << "  Inventory    " << visibleControls(s.lblSummaryInventory) << '\n';
    out << "  Total        " << visibleControls(s.lblSummaryTotal) << '\n';
}

// The business case of the command line in place of the project's own, for this run.
void overrideBusinessCase(const CalcOptions& o, ui::MainForm& form) {
    const auto plain = [&](double v) { return numbers::plain(v, form.model().locale()); };
    if (o.cost) {
        form.caseInputChanged(CaseInput::DriveCost, plain(*o.cost));
        for (const CaseInput part :
             {CaseInput::InstallationCost, CaseInput::EngineeringCost, CaseInput::Rebate}) {
            form.caseInputChanged(part, "");
        }
    }
    if (o.life) {
        form.caseInputChanged(CaseInput::ProjectLife, plain(*o.life));
    }
    if (o.discount) {
        form.caseInputChanged(CaseInput::DiscountRate, plain(*o.discount));
    }
    if (o.co2Factor) {
        form.caseInputChanged(CaseInput::Co2Factor, plain(*o.co2Factor));
        form.caseInputChanged(CaseInput::Co2Source, "given on the command line");
    }
}

} // namespace

int runCalc(const CalcOptions& options, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err, const PdfWriter& pdf) {
    StderrView view(err);
    // The tables fill the selection lists, which nothing here picks from; they are read
    // once for all files, so that their problems are reported once.
    std::optional<files::ReferenceTables> tables;
    const ui::TableLoader loadTables = [&] {
        if (!tables) {
            tables = files::loadReferenceTables(programFolder);
            return *tables;
        }
        return files::ReferenceTables{tables->lists, {}};
    };

    int status = 0;
    // With a roll-up the JSON is one object: the files, then their total.
    const bool wrapped = options.json && options.total;
    const bool array = options.json && (options.files.size() > 1 || wrapped);
    const std::string indent = wrapped ? "    " : array ? "  " : "";
    if (wrapped) {
        out << "{\n  \"files\": ";
    }
    if (array) {
        out << "[\n";
    }
    if (options.csv) {
        writeCsvHeader(out);
    }
    RollUp rollUp;
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        const std::string& path = options.files[i];
        // Each file is opened by a form of its own, as the program opens a project.
        auto form = std::make_unique<ui::MainForm>(view, options.locale, programFolder, loadTables);
        form->load();
        const bool opened = form->openProjectFile(path);
        if (!opened) {
            status = kFileFailed;
        } else {
            overrideBusinessCase(options, *form);
            if (options.csv || options.total) {
                const CaseRow row = caseRow(path, form->model());
                rollUp.add(row);
                if (options.csv) {
                    writeCsvRow(out, row);
                }
            }
        }
        if (options.csv) {
            continue;
        }
        if (opened && (options.pdf || options.pdfFolder)) {
            const std::filesystem::path stem = std::filesystem::path(path).stem();
            const std::filesystem::path file =
                options.pdf ? *options.pdf : pdfDirFile(*options.pdfFolder, path);
            // One report page when one is named, else the seven pages of Print All.
            const std::string job = options.report ? std::string(reports::formName(*options.report))
                                                   : std::string("Print All");
            const auto pages =
                options.report
                    ? std::vector<reports::PrintPage>{form->printedReport(*options.report)}
                    : form->allReportPages();
            const auto failure =
                pdf ? pdf(pages, file, stem.string() + " - " + job)
                    : std::optional<std::string>("this program cannot write PDF files");
            if (failure) {
                err << "payvanta-calc: " << reports::visibleControls(file.string()) << ": "
                    << reports::visibleControls(*failure) << '\n';
                status = kFileFailed;
            }
            continue;
        }
        if (options.json) {
            out << indent;
            if (opened && options.report) {
                writeJsonPage(out, form->reportPage(*options.report), indent);
            } else if (opened) {
                writeJsonResult(out, form->model(), indent);
            } else {
                out << "null";
            }
            out << (array && i + 1 < options.files.size() ? ",\n" : "\n");
        } else if (opened && options.report) {
            out << reports::pageAsText(form->reportPage(*options.report), reports::visibleControls);
        } else if (opened) {
            writeSummary(out, path, form->model().summary);
        }
    }
    if (array) {
        out << (wrapped ? "  ]" : "]\n");
    }
    if (wrapped) {
        out << ",\n  \"total\": ";
        rollUp.writeJson(out, options.locale, "  ");
        out << "\n}\n";
    } else if (options.total && options.csv) {
        writeCsvRow(out, rollUp.total());
    } else if (options.total) {
        rollUp.writeText(out, options.locale);
    }
    return status;
}

} // namespace payvanta::cli
