// One character typed in a speed field of an open project, from the key to the four
// summary texts brought up to date, through the main form's behaviour on a window that
// does nothing: key filter, change reaction, duty cycle, recalculation, summary.
#include "bench_folder.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace payvanta;

namespace {

// A window that shows nothing and answers every question with No or Cancel. It counts
// the messages (none are expected) and the totals it was asked to show.
class NullView final : public ui::QuietView {
public:
    int messages = 0;
    int totalsShown = 0;
    std::string total;

    void setText(ui::ControlRef control, std::string_view text) override {
        if (control.name == ui::ctl::lblSummaryTotal) {
            ++totalsShown;
            total = text;
        }
    }
    void showMessage(std::string_view) override { ++messages; }
    bool askYesNo(std::string_view) override {
        ++messages;
        return false;
    }
    std::optional<std::string> askText(std::string_view) override {
        ++messages;
        return std::nullopt;
    }
};

constexpr ui::ControlRef kSpeed{"txtHoistFPMHoist"};

// The field holds "25" (the example's hoist speed); each iteration types over its last
// digit, so that the speed goes 26, 25, 26, ... and every key really recalculates.
void Typed_character_in_hoist_speed_to_summary(benchmark::State& state) {
    bench::BenchFolder folder(PAYVANTA_BENCH_DATA_DIR);
    NullView view;
    ui::MainForm form(view, LocaleConventions::unitedStates(), folder.path());
    form.load();
    if (!form.openProjectFile(folder.project().string())) {
        state.SkipWithError("the example project did not open");
        return;
    }
    const std::string speeds[2] = {"26", "25"};
    const int totalsBefore = view.totalsShown;
    std::size_t turn = 0;
    for (auto _ : state) {
        const std::string& text = speeds[turn];
        turn ^= 1;
        if (form.keyPressed(kSpeed, text.back()) != 0) {
            form.textChanged(kSpeed, text);
        }
        benchmark::DoNotOptimize(view.total.data());
    }
    if (view.messages != 0) {
        state.SkipWithError("a message was shown");
    } else if (view.totalsShown - totalsBefore != static_cast<int>(state.iterations())) {
        state.SkipWithError("the total did not follow every key");
    }
}
BENCHMARK(Typed_character_in_hoist_speed_to_summary)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
