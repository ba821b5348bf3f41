#pragma once

#include <QApplication>
#include <functional>

namespace payvanta::ui::qt {

class MessageBoxes;

// The desktop program's application object. An exception that escapes an event handler
// would end the program with the user's work unsaved; here it stops only what that
// handler was doing: the fault is told (on standard error, and to the fault handler, which
// shows it in a message) and the event loop goes on.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    using FaultHandler = std::function<void(const QString& what)>;

    GuardedApplication(int& argc, char** argv);

    void setFaultHandler(FaultHandler handler) { handler_ = std::move(handler); }
    // Faults are told in a message over the active window.
    void tellFaultsIn(MessageBoxes& boxes);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void tell(const QString& what);

    FaultHandler handler_;
    bool telling_ = false;
};

} // namespace payvanta::ui::qt
