// The engine's hot paths: the live recalculation after a keystroke, opening one project
// file, and reading the four tables when a project is opened.
#include "files/reference_tables.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

using namespace payvanta;
namespace fs = std::filesystem;

namespace {

const fs::path kData = PAYVANTA_BENCH_DATA_DIR;
const fs::path kProject = kData / "examples" / "steel-mill-ladle-crane.QVR";

// A complete project, opened as the program opens it, on a form without a window; the
// tables were read beforehand.
std::unique_ptr<ui::MainForm> openProject(ui::MainFormView& view,
                                          const files::ReferenceTables& tables) {
    auto form = std::make_unique<ui::MainForm>(view, LocaleConventions::unitedStates(), kData,
                                               [&tables] { return tables; });
    form->load();
    if (!form->openProjectFile(kProject.string())) {
        throw std::runtime_error("cannot read " + kProject.string());
    }
    return form;
}

void RecalculateAll_complete_project(benchmark::State& state) {
    ui::QuietView view;
    const auto form = openProject(view, files::loadReferenceTables(kData));
    // The Real Time Summary command: RecalculateAll, then the summary shown on a window
    // that draws nothing.
    const SavingsModel& model = form->model();
    for (auto _ : state) {
        form->realTimeSummary();
        benchmark::DoNotOptimize(model.summary.lblSummaryTotal.data());
    }
    if (model.summary.lblSummaryTotal != "$149,478.90") {
        state.SkipWithError("unexpected total");
    }
}
BENCHMARK(RecalculateAll_complete_project)->Repetitions(10)->ReportAggregatesOnly(true);

void ReadAndLoad_one_project_file(benchmark::State& state) {
    ui::QuietView view;
    const files::ReferenceTables tables = files::loadReferenceTables(kData);
    for (auto _ : state) {
        const auto form = openProject(view, tables);
        benchmark::DoNotOptimize(form->model().summary.lblSummaryTotal.data());
    }
}
BENCHMARK(ReadAndLoad_one_project_file)->Repetitions(10)->ReportAggregatesOnly(true);

void Read_the_four_shipped_tables(benchmark::State& state) {
    std::size_t items = 0;
    std::size_t problems = 0;
    for (auto _ : state) {
        const files::ReferenceTables tables = files::loadReferenceTables(kData);
        items = tables.lists.cmbStateKw.size() + tables.lists.cmbHoistMotor.size();
        problems = 0;
        for (const auto& p : tables.problems) {
            problems += p.size();
        }
        benchmark::DoNotOptimize(items);
    }
    if (problems != 0 || items == 0) {
        state.SkipWithError("the shipped tables did not read cleanly");
    }
}
BENCHMARK(Read_the_four_shipped_tables)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
