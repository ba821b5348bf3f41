#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace payvanta::test {

// What a program writes, its standard output then its standard error, or a text saying
// that it did not finish within 30 seconds.
inline QString outputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        return QStringLiteral("<%1 did not finish>").arg(program);
    }
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace payvanta::test
