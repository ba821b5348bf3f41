// Saves a picture of every tab of the main form, with the first example project open,
// and of every report window, for a person to look at:
// screenshots DATA_FOLDER PROJECT.QVR OUT_FOLDER.
// Run it under xvfb-run, and once more with QT_SCALE_FACTOR=2 for the 200 % view.

#include "reports/qt/font_substitutes.h"
#include "reports/qt/report_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_boxes.h"

#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTextStream>

using namespace payvanta;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        QTextStream(stderr) << "usage: screenshots DATA_FOLDER PROJECT.QVR OUT_FOLDER\n";
        return 2;
    }
    reports::qt::installFontSubstitutes();
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 9));
    ui::qt::QtMessageBoxes boxes;
    ui::qt::MainWindow::Options options;
    options.programFolder = argv[1];
    ui::qt::MainWindow window(options, boxes);
    window.show();
    QDir out(QString::fromLocal8Bit(argv[3]));
    out.mkpath(QStringLiteral("."));
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("start.png")));
    window.openProjectFile(QString::fromLocal8Bit(argv[2]));
    auto* tabs = qobject_cast<QTabBar*>(window.control(QStringLiteral("TabStrip1")));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        window.grab().save(out.filePath(QStringLiteral("tab%1.png").arg(i + 1)));
    }
    window.form().realTimeSummary();
    for (const auto form : {reports::ReportForm::Savings, reports::ReportForm::EnergySavings,
                            reports::ReportForm::Maintenance, reports::ReportForm::Inventory,
                            reports::ReportForm::Hoist, reports::ReportForm::Trolley,
                            reports::ReportForm::Bridge, reports::ReportForm::BusinessCase}) {
        reports::qt::ReportWindow report(window.form().reportPage(form), &window);
        report.show();
        QApplication::processEvents();
        const auto name = reports::formName(form);
        report.grab().save(out.filePath(
            QStringLiteral("report-%1.png").arg(QLatin1String(name.data(), name.size()))));
    }
    return 0;
}
