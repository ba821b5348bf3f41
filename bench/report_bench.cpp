// Building each report page from a project open as the program opens it: the page's
// items, and every field computed in its order. The eighth is the business case, with its
// charts; it is to build in 50 microseconds or less.
#include "files/reference_tables.h"
#include "reports/report_builders.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <benchmark/benchmark.h>
#include <filesystem>

using namespace payvanta;

namespace {

const std::filesystem::path kData = PAYVANTA_BENCH_DATA_DIR;

void Build_report_page(benchmark::State& state) {
    const auto form = static_cast<reports::ReportForm>(state.range(0));
    ui::QuietView view;
    const files::ReferenceTables tables = files::loadReferenceTables(kData);
    ui::MainForm main(view, LocaleConventions::unitedStates(), kData, [&tables] { return tables; });
    main.load();
    if (!main.openProjectFile((kData / "examples" / "steel-mill-ladle-crane.QVR").string())) {
        state.SkipWithError("the example did not open");
        return;
    }
    // A cost, so that the business case computes every figure; no other page reads it.
    main.caseInputChanged(CaseInput::DriveCost, "250000");
    const reports::ReportInputs inputs{main.model(), {2026, 12, 6, 20, 15, 3}};
    std::size_t items = 0;
    for (auto _ : state) {
        const reports::ReportPage page = reports::buildReport(form, inputs);
        items = page.items.size();
        benchmark::DoNotOptimize(items);
    }
    state.SetLabel(std::string(reports::formName(form)));
}
BENCHMARK(Build_report_page)
    ->DenseRange(0, 7)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
