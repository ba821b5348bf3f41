// One key pressed in the hoist speed of the main window, with a project open, until the
// total of the summary panel shows the new amount: the Qt key event, the key filter,
// the form's change reaction and recalculation, and the four summary labels. A second
// benchmark waits for the total's label to be painted as well. A third opens the hoist
// page from the View menu until its window is shown, and a fourth prints all seven pages
// into a PDF file. Offscreen platform.
#include "bench_folder.h"
#include "counting_boxes.h"
#include "reports/qt/pdf_target.h"
#include "reports/qt/report_window.h"
#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

using namespace payvanta;
using payvanta::bench::CountingBoxes;

namespace {

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// The window shown on the hoist tab with the example project open, the cursor in the
// hoist speed (which holds "25").
struct OpenWindow {
    bench::BenchFolder folder{PAYVANTA_BENCH_DATA_DIR};
    CountingBoxes boxes;
    std::unique_ptr<ui::qt::MainWindow> window;
    QLineEdit* speed = nullptr;
    QLabel* total = nullptr;

    bool open() {
        ui::qt::MainWindow::Options options;
        options.programFolder = folder.path();
        options.startFolder = QString::fromStdString(folder.path().string());
        window = std::make_unique<ui::qt::MainWindow>(options, boxes);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()) ||
            !window->openProjectFile(QString::fromStdString(folder.project().string()))) {
            return false;
        }
        window->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
        speed = window->findChild<QLineEdit*>(QStringLiteral("txtHoistFPMHoist"));
        total = window->findChild<QLabel*>(QStringLiteral("lblSummaryTotal"));
        if (speed == nullptr || total == nullptr || speed->text() != QStringLiteral("25")) {
            return false;
        }
        window->activateWindow();
        speed->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        return speed->hasFocus() && boxes.shown == 0;
    }

    // Selects the speed's last digit and types the other one over it: 26, 25, 26, ...
    Qt::Key nextKey() {
        speed->setSelection(1, 1);
        return speed->text() == QStringLiteral("25") ? Qt::Key_6 : Qt::Key_5;
    }
};

void Key_in_hoist_speed_to_total_text(benchmark::State& state) {
    OpenWindow w;
    if (!w.open()) {
        state.SkipWithError("the window did not open the example project");
        return;
    }
    QString before = w.total->text();
    bool followed = true;
    for (auto _ : state) {
        state.PauseTiming();
        const Qt::Key key = w.nextKey();
        state.ResumeTiming();
        QTest::keyClick(w.speed, key);
        const QString now = w.total->text();
        followed = followed && now != before;
        before = now;
    }
    if (w.boxes.shown != 0) {
        state.SkipWithError("a message box was shown");
    } else if (!followed) {
        state.SkipWithError("the total did not follow every key");
    }
}
BENCHMARK(Key_in_hoist_speed_to_total_text)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void Key_in_hoist_speed_to_total_painted(benchmark::State& state) {
    OpenWindow w;
    if (!w.open()) {
        state.SkipWithError("the window did not open the example project");
        return;
    }
    PaintCounter counter;
    w.total->installEventFilter(&counter);
    QApplication::processEvents();
    bool painted = true;
    for (auto _ : state) {
        state.PauseTiming();
        const Qt::Key key = w.nextKey();
        QApplication::processEvents(); // the selection's repaint is not part of the key
        const int paintsBefore = counter.paints;
        state.ResumeTiming();
        QTest::keyClick(w.speed, key);
        for (int spins = 0; counter.paints == paintsBefore && spins < 1000; ++spins) {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        painted = painted && counter.paints != paintsBefore;
    }
    if (w.boxes.shown != 0) {
        state.SkipWithError("a message box was shown");
    } else if (!painted) {
        state.SkipWithError("the total was not painted after every key");
    }
}
BENCHMARK(Key_in_hoist_speed_to_total_painted)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Notes when a report window is shown, and sends it back at once.
class ReportShown final : public QObject {
public:
    qint64 shownAt = -1;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* report = qobject_cast<reports::qt::ReportWindow*>(watched)) {
                shownAt = clock.nsecsElapsed();
                QMetaObject::invokeMethod(report, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

void View_hoist_to_report_shown(benchmark::State& state) {
    OpenWindow w;
    if (!w.open()) {
        state.SkipWithError("the window did not open the example project");
        return;
    }
    auto* item = qobject_cast<QAction*>(w.window->control(QStringLiteral("mnuHoist")));
    ReportShown shown;
    qApp->installEventFilter(&shown);
    bool every = true;
    for (auto _ : state) {
        shown.shownAt = -1;
        shown.clock.start();
        item->trigger(); // returns once the report is back
        every = every && shown.shownAt >= 0;
        state.SetIterationTime(static_cast<double>(shown.shownAt) / 1e9);
    }
    qApp->removeEventFilter(&shown);
    if (!every) {
        state.SkipWithError("the report was not shown every time");
    }
}
BENCHMARK(View_hoist_to_report_shown)
    ->UseManualTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void Print_all_to_pdf(benchmark::State& state) {
    OpenWindow w;
    if (!w.open()) {
        state.SkipWithError("the window did not open the example project");
        return;
    }
    const auto printer = reports::qt::PdfTarget::inFolder(w.folder.path() / "Printouts");
    w.window->form().setPrinting({printer.get(), {}});
    auto* item = qobject_cast<QAction*>(w.window->control(QStringLiteral("mnuPrintAll")));
    for (auto _ : state) {
        item->trigger();
    }
    if (w.boxes.shown != 0 || printer->destination().empty()) {
        state.SkipWithError("the pages were not printed");
    }
}
BENCHMARK(Print_all_to_pdf)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
