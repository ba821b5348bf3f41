#include "calc_run.h"

#include "json_report.h"

#include "stderr_view.h"

#include "files/reference_tables.h"
#include "reports/page_text.h"
#include "ui/main_form.h"

#include <memory>
#include <optional>

namespace payvanta::cli {

namespace {

constexpr int kFileFailed = 2;

void writeSummary(std::ostream& out, const std::string& path, const SummaryTexts& s) {
    out << path << '\n';
    out << "  Energy       " << s.lblSummaryEnergy << '\n';
    out << "  Maintenance  " << s.lblSumaryMaintenance << '\n';
    out << "  Inventory    " << s.lblSummaryInventory << '\n';
    out << "  Total        " << s.lblSummaryTotal << '\n';
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
            tables = files::LoadReferenceTables(programFolder);
            return *tables;
        }
        return files::ReferenceTables{tables->lists, {}};
    };

    int status = 0;
    const bool array = options.json && options.files.size() > 1;
    if (array) {
        out << "[\n";
    }
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        const std::string& path = options.files[i];
        // Each file is opened by a form of its own, as the program opens a project.
        auto form = std::make_unique<ui::MainForm>(view, options.locale, programFolder, loadTables);
        form->load();
        const bool opened = form->openProjectFile(path);
        if (!opened) {
            status = kFileFailed;
        }
        if (opened && (options.pdf || options.pdfFolder)) {
            const std::filesystem::path stem = std::filesystem::path(path).stem();
            const std::filesystem::path file =
                options.pdf ? *options.pdf : *options.pdfFolder / (stem.string() + ".pdf");
            const auto failure =
                pdf ? pdf(form->allReportPages(), file, stem.string() + " - Print All")
                    : std::optional<std::string>("this program cannot write PDF files");
            if (failure) {
                err << "payvanta-calc: " << file.string() << ": " << *failure << '\n';
                status = kFileFailed;
            }
            continue;
        }
        if (options.json) {
            if (array) {
                out << "  ";
            }
            if (opened && options.report) {
                writeJsonPage(out, form->reportPage(*options.report), array ? "  " : "");
            } else if (opened) {
                writeJsonResult(out, form->model(), array ? "  " : "");
            } else {
                out << "null";
            }
            out << (array && i + 1 < options.files.size() ? ",\n" : "\n");
        } else if (opened && options.report) {
            out << reports::pageAsText(form->reportPage(*options.report));
        } else if (opened) {
            writeSummary(out, path, form->model().summary);
        }
    }
    if (array) {
        out << "]\n";
    }
    return status;
}

} // namespace payvanta::cli
