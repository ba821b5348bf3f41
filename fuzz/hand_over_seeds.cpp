// Writes the seed corpus of hand_over_fuzz: the messages a later copy sends when it is
// started on each project in the data folder, with and without options.
//   hand_over_seeds OUTPUT_FOLDER DATA_FOLDER
#include "ui/qt/hand_over_message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using payvanta::ui::qt::encodeHandOver;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || !QDir().mkpath(args[1])) {
        return 64;
    }
    const QDir data(args[2]);
    QStringList projects = QDir(data.filePath(QStringLiteral("examples"))).entryList({"*.QVR"});
    projects.prepend(QString()); // no project: only come forward
    int n = 0;
    for (const QString& project : projects) {
        const QStringList arguments =
            project.isEmpty()
                ? QStringList{}
                : QStringList{QStringLiteral("--no-splash"), QStringLiteral("examples/") + project};
        QFile seed(QDir(args[1]).filePath(QStringLiteral("seed-%1").arg(++n)));
        if (!seed.open(QIODevice::WriteOnly) ||
            seed.write(encodeHandOver({arguments, data.absolutePath()})) < 0) {
            return 1;
        }
    }
    return 0;
}
