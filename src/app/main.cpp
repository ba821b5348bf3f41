// payvanta: the desktop program. One copy per user: a later copy hands its command line
// to the running one and ends; when no running copy takes it, it starts on its own. The
// splash gives way to the main form.

#include "app_options.h"
#include "files/program_folder.h"
#include "model/qt/qt_locale.h"
#include "reports/deferred_print_target.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/pdf_target.h"
#include "reports/report_clock.h"
#include "system_printer.h"
#include "ui/qt/guarded_application.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/painted_icons_style.h"
#include "ui/qt/single_instance.h"
#include "ui/qt/splash_form.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextStream>
#include <exception>

using namespace payvanta;

namespace {

// The folder the command line names; else the program's own folder when it holds the data
// and may be written (as where it was built); else, installed, Payvanta in the user's
// documents folder, made and filled from the installed data at first start.
files::Result<std::filesystem::path> chooseProgramFolder(const QString& named) {
    if (!named.isEmpty()) {
        return std::filesystem::path(named.toStdString());
    }
    const QDir programs(QApplication::applicationDirPath());
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return files::prepareProgramFolder(
        {programs.path().toStdString(),
         QDir::cleanPath(programs.filePath(QStringLiteral(PAYVANTA_DATA_FROM_PROGRAMS)))
             .toStdString(),
         documents.filePath(QStringLiteral("Payvanta")).toStdString()});
}

int run(int argc, char** argv) {
    QStringList commandLine;
    for (int i = 1; i < argc; ++i) {
        commandLine << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto text = app::helpOrVersion(commandLine)) {
        QTextStream(stdout) << *text;
        return 0;
    }

    ui::qt::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Payvanta"));
    // The installed menu entry, whose icon desktops show for the window. Loading the icon
    // here would cost a tenth of the start-up.
    QApplication::setDesktopFileName(QStringLiteral("com.corvanix.Payvanta"));
    QApplication::setStyle(new ui::qt::PaintedIconsStyle);
    reports::qt::installFontSubstitutes();
    // Named by the face that stands in for it where it is missing: a missing face costs a
    // search of the system's fonts for each size and weight the window asks for.
    QApplication::setFont(QFont(QFont::substitute(QStringLiteral("MS Sans Serif")), 9));

    const QStringList arguments = QApplication::arguments().mid(1);
    const app::AppOptions options = app::parseAppOptions(arguments, QDir::currentPath());
    if (!options.error.isEmpty()) {
        QTextStream(stderr) << "payvanta: " << options.error << '\n' << app::kAppUsage;
        return 2;
    }
    // The pages and PDF files are dated now rather than by a value that cannot be a date.
    if (const auto dates = reports::dateSourceOfEnvironment();
        dates.kind == reports::DateSource::Kind::Refused) {
        QTextStream(stderr) << "payvanta: " << QString::fromStdString(dates.error)
                            << "; the current time is used\n";
    }

    // Listening starts at once, so that a copy started during the splash is heard; the
    // window takes its command line once it shows.
    ui::qt::SingleInstance instance;
    if (!instance.claim()) {
        if (instance.handOver(arguments)) {
            return 0;
        }
        // A copy holds the lock but does not answer (it hangs): two copies are better
        // than none.
        QTextStream(stderr) << "payvanta: no running copy answered at " << instance.serverPath()
                            << "; starting another copy (the copy that holds "
                            << instance.lockFilePath() << " does not answer)\n";
    }

    ui::qt::QtMessageBoxes boxes;
    // A fault in what the user asked for is told; the window stays, with the work in it.
    app.tellFaultsIn(boxes);
    const auto folder = chooseProgramFolder(options.folder);
    if (!folder) {
        const QString text = QStringLiteral("Payvanta cannot prepare its program folder: %1")
                                 .arg(QString::fromStdString(folder.failure().path + ": " +
                                                             folder.failure().reason));
        QTextStream(stderr) << "payvanta: " << text << '\n';
        boxes.message(nullptr, text);
        return 1;
    }

    ui::qt::MainWindow::Options windowOptions;
    windowOptions.locale = qt::localeConventions(QLocale::system());
    windowOptions.programFolder = *folder;
    ui::qt::MainWindow window(windowOptions, boxes);

    // Where printing goes, once for the run: the folder asked for, else the system's
    // printer, else PDF files in the documents folder. The system is asked at the first
    // print, not here: its printer system is no part of start-up.
    std::unique_ptr<reports::PrintTarget> printer;
    if (!options.printToPdf.isEmpty()) {
        printer = reports::qt::PdfTarget::inFolder(options.printToPdf.toStdString());
    } else {
        printer = std::make_unique<reports::DeferredPrintTarget>(
            []() -> std::unique_ptr<reports::PrintTarget> {
                if (auto printer = app::loadSystemPrinter(app::moduleFolders())) {
                    return printer;
                }
                const QString documents =
                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
                return reports::qt::PdfTarget::inFolder(
                    QDir(documents).filePath(QStringLiteral("Payvanta Printouts")).toStdString());
            });
    }
    window.form().setPrinting({printer.get(), [](const std::string& path) {
                                   return std::unique_ptr<reports::PrintTarget>(
                                       reports::qt::PdfTarget::toFile(path));
                               }});

    // A measuring hook for bench/window_startup.sh: with PAYVANTA_QUIT_WHEN_SHOWN=1 the
    // program ends by a queued call once the main form is shown and its project opened
    // (exit, not quit, which would close the window and ask to save).
    const bool quitWhenShown = qEnvironmentVariableIntValue("PAYVANTA_QUIT_WHEN_SHOWN") == 1;
    bool shown = false;
    QString handedProjectFile; // from a later copy, before the window showed
    const auto showMainForm = [&window, &options, &shown, &handedProjectFile, quitWhenShown] {
        shown = true;
        window.show();
        window.raise();
        window.activateWindow();
        const QString file =
            options.projectFile.isEmpty() ? handedProjectFile : options.projectFile;
        if (!file.isEmpty()) {
            window.openProjectFile(file);
        }
        if (quitWhenShown) {
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
    };

    // A later copy's command line: come forward, and open its project if none is open.
    QObject::connect(&instance, &ui::qt::SingleInstance::commandLineReceived, &window,
                     [&](const QStringList& handed, const QString& workingFolder) {
                         const QString file =
                             app::parseAppOptions(handed, workingFolder).projectFile;
                         if (shown) {
                             window.comeForward(file);
                         } else if (handedProjectFile.isEmpty()) {
                             handedProjectFile = file;
                         }
                     });

    if (options.noSplash) {
        showMainForm();
    } else {
        auto* splash = new ui::qt::SplashForm;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(splash, &ui::qt::SplashForm::finished, &window, showMainForm);
        splash->show();
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    // Once the window runs, the application object tells a fault and goes on; one before
    // it, or after it has gone, ends the program with the reason on standard error.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        QTextStream(stderr) << "payvanta: " << e.what() << '\n';
    } catch (...) {
        QTextStream(stderr) << "payvanta: an unknown fault stopped the program\n";
    }
    return 2;
}
