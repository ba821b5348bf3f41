#include "guarded_application.h"

#include "message_boxes.h"
#include "ui/ui_texts.h"

#include <QTextStream>
#include <exception>

namespace payvanta::ui::qt {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void GuardedApplication::tellFaultsIn(MessageBoxes& boxes) {
    setFaultHandler([&boxes](const QString& what) {
        boxes.message(QApplication::activeWindow(),
                      QString::fromStdString(texts::faultCaught(what.toStdString())));
    });
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        tell(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        tell(QStringLiteral("an unknown fault"));
    }
    return false;
}

void GuardedApplication::tell(const QString& what) {
    QTextStream(stderr) << "payvanta: " << what << '\n';
    // A fault while its message is open is told on standard error alone, so that faults
    // cannot pile up boxes.
    if (handler_ && !telling_) {
        telling_ = true;
        handler_(what);
        telling_ = false;
    }
}

} // namespace payvanta::ui::qt
