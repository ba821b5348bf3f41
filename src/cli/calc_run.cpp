#include "calc_run.h"

#include "json_report.h"

#include "files/project_files.h"
#include "files/reference_tables.h"

#include <memory>

namespace payvanta::cli {

namespace {

constexpr int kFileFailed = 2;

// Messages go to standard error; nothing is ever asked.
class StderrHost final : public files::FileFlowHost, public files::TableHost {
public:
    explicit StderrHost(std::ostream& err) : err_(err) {}
    void message(std::string_view text) override { err_ << "payvanta-calc: " << text << '\n'; }
    void progress(int) override {}

private:
    std::ostream& err_;
};

// Opens one project: the reference tables, the file, the fields, the recalculation.
bool openProject(SavingsModel& model, StderrHost& host, const std::filesystem::path& folder,
                 const std::string& path) {
    model.state.CurrentFilePath = path;
    model.state.FileChosen = true;
    model.state.UserFileOpen = true;
    files::ProjectFiles projectFiles(model, host, folder);
    if (!projectFiles.ReadKeyValueFile()) {
        return false;
    }
    projectFiles.LoadProjectIntoFields();
    model.RecalculateAll();
    return true;
}

void writeSummary(std::ostream& out, const std::string& path, const SummaryTexts& s) {
    out << path << '\n';
    out << "  Energy       " << s.lblSummaryEnergy << '\n';
    out << "  Maintenance  " << s.lblSumaryMaintenance << '\n';
    out << "  Inventory    " << s.lblSummaryInventory << '\n';
    out << "  Total        " << s.lblSummaryTotal << '\n';
}

} // namespace

int runCalc(const CalcOptions& options, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err) {
    StderrHost host(err);
    // The tables fill the selection lists, which nothing here picks from; they are read
    // once so that their problems are reported once.
    files::SelectionLists lists;
    files::LoadReferenceTables(programFolder, lists, host);

    int status = 0;
    const bool array = options.json && options.files.size() > 1;
    if (array) {
        out << "[\n";
    }
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        const std::string& path = options.files[i];
        auto model = std::make_unique<SavingsModel>(options.locale);
        const bool opened = openProject(*model, host, programFolder, path);
        if (!opened) {
            status = kFileFailed;
        }
        if (options.json) {
            if (array) {
                out << "  ";
            }
            if (opened) {
                writeJsonResult(out, *model, array ? "  " : "");
            } else {
                out << "null";
            }
            out << (array && i + 1 < options.files.size() ? ",\n" : "\n");
        } else if (opened) {
            writeSummary(out, path, model->summary);
        }
    }
    if (array) {
        out << "]\n";
    }
    return status;
}

} // namespace payvanta::cli
