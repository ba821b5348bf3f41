// The whole proposal of an example: its pages built from the open project, then painted
// into a PDF file with its outline, as "Save Proposal as PDF..." and payvanta-calc
// --proposal write it. It is to take 300 milliseconds or less.
#include "files/reference_tables.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/pdf_target.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

using namespace payvanta;

namespace {

const std::filesystem::path kData = PAYVANTA_BENCH_DATA_DIR;

void Write_proposal(benchmark::State& state) {
    const bool write = state.range(0) != 0;
    ui::QuietView view;
    const files::ReferenceTables tables = files::loadReferenceTables(kData);
    ui::MainForm main(view, LocaleConventions::unitedStates(), kData, [&tables] { return tables; });
    main.load();
    if (!main.openProjectFile((kData / "examples" / "steel-mill-ladle-crane.QVR").string())) {
        state.SkipWithError("the example did not open");
        return;
    }
    main.caseInputChanged(CaseInput::DriveCost, "250000");
    main.caseInputChanged(CaseInput::PreparedBy, "Ann Smith");
    const QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath("proposal.pdf").toStdString();
    for (auto _ : state) {
        reports::Proposal proposal = main.proposal();
        if (write) {
            const auto target = reports::qt::PdfTarget::toFile(file);
            target->describeDocument(std::move(proposal.document));
            auto failure = target->beginJob("Proposal");
            for (const reports::PrintPage& page : proposal.pages) {
                if (!failure) {
                    failure = target->printPage(page);
                }
            }
            if (!failure) {
                failure = target->endJob();
            }
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
