// The whole proposal of an example: its pages built from the open project, then painted
// into a PDF file with its outline, as "Save Proposal as PDF..." and payvanta-calc
// --proposal write it. It is to take 300 milliseconds or less.
#include "example_form.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/pdf_target.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

using namespace payvanta;

namespace {

const std::filesystem::path kData = PAYVANTA_BENCH_DATA_DIR;

void Write_proposal(benchmark::State& state) {
    const bool write = state.range(0) != 0;
    bench::ExampleForm example(kData);
    if (!example.opened()) {
        state.SkipWithError("the example did not open");
        return;
    }
    ui::MainForm& main = example.form();
    main.caseInputChanged(CaseInput::PreparedBy, "Ann Smith");
    const QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath("proposal.pdf").toStdString();
    for (auto _ : state) {
        reports::Proposal proposal = main.proposal();
        if (write) {
            const auto target = reports::qt::PdfTarget::toFile(file);
            target->describeDocument(std::move(proposal.document));
            const auto failure = reports::printWhole(*target, "Proposal", proposal.pages);
            if (failure) {
                state.SkipWithError(failure->description.c_str());
                return;
            }
        }
        benchmark::DoNotOptimize(proposal.pages.size());
    }
    state.SetLabel(write ? "built and written to PDF" : "built");
}
BENCHMARK(Write_proposal)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    reports::qt::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
