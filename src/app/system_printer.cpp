#include "system_printer.h"

#include "reports/qt/system_printer_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QTextStream>

namespace payvanta::app {

QStringList moduleFolders() {
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.path(),
            QDir::cleanPath(programs.filePath(QStringLiteral(PAYVANTA_MODULES_FROM_PROGRAMS)))};
}

std::unique_ptr<reports::PrintTarget> loadSystemPrinter(const QStringList& folders) {
    const QString name = QStringLiteral("payvanta_system_printer");
    QString problems;
    for (const QString& folder : folders) {
        // Never unloaded: the target it makes lives on in the program.
        QLibrary module(QDir(folder).filePath(name));
        const auto make = reinterpret_cast<reports::qt::MakeSystemPrinter>(
            module.resolve(reports::qt::kMakeSystemPrinterSymbol));
        if (make != nullptr) {
            return std::unique_ptr<reports::PrintTarget>(make());
        }
        problems += QStringLiteral("\n  ") + module.errorString();
    }
    QTextStream(stderr) << "payvanta: the printer module cannot be loaded; printing goes to PDF"
                        << problems << '\n';
    return nullptr;
}

} // namespace payvanta::app
