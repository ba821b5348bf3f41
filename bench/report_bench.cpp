// Building each report page from a project open as the program opens it: the page's
// items, and every field computed in its order; the eighth is the business case, with its
// charts. Each page is to build in 100 microseconds or less.
#include "example_form.h"
#include "reports/report_builders.h"

#include <benchmark/benchmark.h>
#include <filesystem>

using namespace payvanta;

namespace {

const std::filesystem::path kData = PAYVANTA_BENCH_DATA_DIR;

void Build_report_page(benchmark::State& state) {
    const auto form = static_cast<reports::ReportForm>(state.range(0));
    // A cost is entered, so that the business case computes every figure; no other page
    // reads it.
    bench::ExampleForm example(kData);
    if (!example.opened()) {
        state.SkipWithError("the example did not open");
        return;
    }
    ui::MainForm& main = example.form();
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
