#include "app_options.h"

#include <QDir>
#include <QFileInfo>

namespace payvanta::app {

const char* const kAppUsage =
    "Usage: payvanta [--no-splash] [--folder DIR] [--print-to-pdf DIR] [FILE.QVR]\n";

namespace {

const char* const kAppHelp =
    "\n"
    "Estimates what a retrofit of an overhead crane's resistor-and-contactor DC control\n"
    "to the Stravolux QVR drive saves per year, and opens FILE.QVR when one is given.\n"
    "When Payvanta is running already, the running copy comes forward and opens the\n"
    "file instead.\n"
    "\n"
    "  --folder DIR   the program folder holding Customer.ini, the four tables and new\n"
    "                 projects (default: the folder of this program when it holds them\n"
    "                 and may be written, else Payvanta in the documents folder, made\n"
    "                 at first start with copies of the installed data)\n"
    "  --no-splash    show the main form at once\n"
    "  --print-to-pdf DIR\n"
    "                 print into PDF files in DIR instead of on the printer (without a\n"
    "                 printer, Payvanta prints into Payvanta Printouts in the documents\n"
    "                 folder)\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n";

} // namespace

std::optional<QString> helpOrVersion(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help"))) {
        return QString::fromLatin1(kAppUsage) + QString::fromLatin1(kAppHelp);
    }
    if (arguments.contains(QLatin1String("--version"))) {
        return QStringLiteral("payvanta %1\n").arg(QLatin1String(PAYVANTA_VERSION));
    }
    return std::nullopt;
}

AppOptions parseAppOptions(const QStringList& arguments, const QString& workingFolder) {
    AppOptions o;
    const QDir base(workingFolder);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.isEmpty()) {
            continue; // an empty argument names no file: the working folder is no project
        }
        if (a == QLatin1String("--no-splash")) {
            o.noSplash = true;
        } else if (a == QLatin1String("--folder")) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("--folder needs a folder");
                return o;
            }
            o.folder = QDir::cleanPath(base.absoluteFilePath(arguments[++i]));
        } else if (a == QLatin1String("--print-to-pdf")) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("--print-to-pdf needs a folder");
                return o;
            }
            o.printToPdf = QDir::cleanPath(base.absoluteFilePath(arguments[++i]));
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option \"%1\"").arg(a);
            return o;
        } else if (o.projectFile.isEmpty()) {
            o.projectFile = base.absoluteFilePath(a);
        }
    }
    return o;
}

} // namespace payvanta::app
