#include "calc_options.h"
#include "calc_run.h"
#include "documents_folder.h"
#include "files/program_folder.h"
#include "model/qt/qt_locale.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/pdf_target.h"
#include "reports/report_clock.h"
#include "reports/terminal_text.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <QString>
#include <QtGlobal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

namespace {

// Qt's own messages are not this program's: where XDG_RUNTIME_DIR is not set (cron, ssh),
// starting the font engine for PDF files warns about it, and a script that reads standard
// error takes that for a failure. Standard error carries the program's messages alone; a
// fatal message of Qt's still says why the program ends.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << "payvanta-calc: " << text.toStdString() << '\n';
    }
}

// The folder of this program: where the default file and the tables lie beside it.
std::filesystem::path programsFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path();
}

// Installed, this program has no data beside it. It only reads, so it never makes the
// user's folder: it reads what the desktop program made, or the installed data.
std::filesystem::path defaultProgramFolder(const char* argv0) {
    const auto own = programsFolder(argv0);
    return payvanta::files::readingProgramFolder(
        {own, (own / PAYVANTA_DATA_FROM_PROGRAMS).lexically_normal(),
         payvanta::cli::documentsFolder() / "Payvanta"});
}

// Writing PDF files needs Qt's font engine, which needs an application object; without a
// display it runs on the offscreen platform.
payvanta::cli::PdfWriter pdfWriter(int& argc, char** argv,
                                   std::unique_ptr<QGuiApplication>& application) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt lists the fonts of a PDF in the order of a hash; a fixed seed keeps that order,
    // so that the same pages make the same bytes when SOURCE_DATE_EPOCH asks for it.
    if (!qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH")) {
        QHashSeed::setDeterministicGlobalSeed();
    }
    application = std::make_unique<QGuiApplication>(argc, argv);
    payvanta::reports::qt::installFontSubstitutes();
    return [](const std::vector<payvanta::reports::PrintPage>& pages,
              const std::filesystem::path& file,
              const payvanta::reports::DocumentInfo& document) -> std::optional<std::string> {
        const auto target = payvanta::reports::qt::PdfTarget::toFile(file);
        target->describeDocument(document);
        const auto failure = payvanta::reports::printWhole(*target, document.title, pages);
        if (failure) {
            return failure->description;
        }
        return std::nullopt;
    };
}

// The run the command line asks for; its exit status.
int run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = payvanta::cli::parseCalcOptions(args, payvanta::qt::localeConventionsNamed);
    if (!parsed.options) {
        std::cerr << "payvanta-calc: " << payvanta::reports::visibleControls(parsed.error) << "\n\n"
                  << payvanta::cli::kCalcUsage;
        return 2;
    }
    const auto& options = *parsed.options;
    if (options.help) {
        std::cout << payvanta::cli::kCalcUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "payvanta-calc " << PAYVANTA_VERSION << '\n';
        return 0;
    }
    // A date that cannot be had is refused before anything is written, as a bad option is.
    if (const auto dates = payvanta::reports::dateSourceOfEnvironment();
        dates.kind == payvanta::reports::DateSource::Kind::Refused) {
        std::cerr << "payvanta-calc: " << dates.error << '\n';
        return 2;
    }
    const auto folder = options.folder ? *options.folder : defaultProgramFolder(argv[0]);
    std::unique_ptr<QGuiApplication> application;
    payvanta::cli::PdfWriter pdf;
    if (options.pdf || options.pdfFolder) {
        pdf = pdfWriter(argc, argv, application);
    }
    return payvanta::cli::runCalc(options, folder, std::cout, std::cerr, pdf);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    qInstallMessageHandler(quietQtMessages);
    // A fault that escapes the run is told, not a crash: what was written stays written.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "payvanta-calc: " << e.what() << '\n';
    } catch (...) {
        std::cout.flush();
        std::cerr << "payvanta-calc: an unknown fault stopped the run\n";
    }
    return 2;
}
