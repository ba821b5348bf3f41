// The engine's hot paths: the live recalculation after a keystroke, opening one project
// file, and reading the four tables when a project is opened.
#include "files/project_files.h"
#include "files/reference_tables.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

using namespace payvanta;
namespace fs = std::filesystem;

namespace {

const fs::path kData = PAYVANTA_BENCH_DATA_DIR;
const fs::path kProject = kData / "examples" / "steel-mill-ladle-crane.QVR";

class QuietFileHost : public files::FileFlowHost {};
class QuietTableHost : public files::TableHost {
public:
    void message(std::string_view) override { ++messages; }
    int messages = 0;
};

// A complete project, opened as the program opens it.
void openProject(SavingsModel& model, files::ProjectFiles& files) {
    model.state.FileChosen = true;
    model.state.CurrentFilePath = kProject.string();
    if (!files.ReadKeyValueFile()) {
        throw std::runtime_error("cannot read " + kProject.string());
    }
    files.LoadProjectIntoFields();
}

void RecalculateAll_complete_project(benchmark::State& state) {
    SavingsModel model;
    QuietFileHost host;
    files::ProjectFiles files(model, host, kData);
    openProject(model, files);
    for (auto _ : state) {
        model.RecalculateAll();
        benchmark::DoNotOptimize(model.summary.lblSummaryTotal.data());
    }
    if (model.summary.lblSummaryTotal != "$149,478.90") {
        state.SkipWithError("unexpected total");
    }
}
BENCHMARK(RecalculateAll_complete_project)->Repetitions(10)->ReportAggregatesOnly(true);

void ReadAndLoad_one_project_file(benchmark::State& state) {
    SavingsModel model;
    QuietFileHost host;
    files::ProjectFiles files(model, host, kData);
    for (auto _ : state) {
        openProject(model, files);
        benchmark::DoNotOptimize(model.summary.lblSummaryTotal.data());
    }
}
BENCHMARK(ReadAndLoad_one_project_file)->Repetitions(10)->ReportAggregatesOnly(true);

void Read_the_four_shipped_tables(benchmark::State& state) {
    QuietTableHost host;
    std::size_t items = 0;
    for (auto _ : state) {
        files::SelectionLists lists;
        files::LoadReferenceTables(kData, lists, host);
        items = lists.cmbStateKw.size() + lists.cmbHoistMotor.size();
        benchmark::DoNotOptimize(items);
    }
    if (host.messages != 0 || items == 0) {
        state.SkipWithError("the shipped tables did not read cleanly");
    }
}
BENCHMARK(Read_the_four_shipped_tables)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
