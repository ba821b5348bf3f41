// The first View item of a run: the main window made as payvanta makes it at start, shown,
// a project opened, then one item of the View menu, the first report of the process, until
// its window is shown. Prints the milliseconds, of the clock and of processor time (which a
// busy machine does not stretch); window_startup.sh runs it in a fresh
// process each time, so that nothing is warm that a real first use would find cold.
//   payvanta_first_report PROGRAM_FOLDER PROJECT [VIEW_ITEM]   (mnuSavings by default)
#include "counting_boxes.h"
#include "model/qt/qt_locale.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/report_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/painted_icons_style.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <ctime>

using namespace payvanta;
using payvanta::bench::CountingBoxes;

namespace {

// The processor time of this process so far, in nanoseconds.
qint64 processorTime() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Notes when a report window is shown, and sends it back at once.
class ReportShown final : public QObject {
public:
    qint64 shownAt = -1;
    qint64 processorAtShow = 0;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && shownAt < 0) {
            if (auto* report = qobject_cast<reports::qt::ReportWindow*>(watched)) {
                shownAt = clock.nsecsElapsed();
                processorAtShow = processorTime();
                QMetaObject::invokeMethod(report, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER PROJECT [VIEW_ITEM]\n", argv[0]);
        return 64;
    }
    QApplication app(argc, argv);
    // As payvanta starts.
    QApplication::setStyle(new ui::qt::PaintedIconsStyle);
    reports::qt::installFontSubstitutes();
    QApplication::setFont(QFont(QFont::substitute(QStringLiteral("MS Sans Serif")), 9));

    CountingBoxes boxes;
    ui::qt::MainWindow::Options options;
    options.locale = payvanta::qt::localeConventions(QLocale::system());
    options.programFolder = QString::fromLocal8Bit(argv[1]).toStdString();
    ui::qt::MainWindow window(options, boxes);
    window.show();
    QApplication::processEvents();
    if (!window.openProjectFile(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "the project did not open\n");
        return 1;
    }
    QApplication::processEvents();

    const QString itemName = argc > 3 ? QString::fromLocal8Bit(argv[3]) : "mnuSavings";
    auto* item = qobject_cast<QAction*>(window.control(itemName));
    if (item == nullptr) {
        return 1;
    }
    ReportShown shown;
    app.installEventFilter(&shown);
    const qint64 processorAtStart = processorTime();
    shown.clock.start();
    item->trigger(); // returns once the report is back
    app.removeEventFilter(&shown);
    if (shown.shownAt < 0 || boxes.shown != 0) {
        std::fprintf(stderr, "the report was not shown, or a box was\n");
        return 1;
    }
    QTextStream(stdout) << "report shown ms: " << QString::number(shown.shownAt / 1e6, 'f', 2)
                        << "\nprocessor ms: "
                        << QString::number((shown.processorAtShow - processorAtStart) / 1e6, 'f', 2)
                        << '\n';
    return 0;
}
