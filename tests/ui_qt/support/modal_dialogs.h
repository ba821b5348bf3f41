#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <utility>

namespace payvanta::test {

// Closes a modal dialog that no test expected once it has been open for `patience`, and
// records it, so that a stray question fails its test instead of hanging the suite. Make one
// per test (in init()) and check takeStrays() in cleanup().
class ModalWatchdog : public QObject {
public:
    explicit ModalWatchdog(std::chrono::milliseconds patience = std::chrono::seconds(2));
    QStringList takeStrays() { return std::exchange(strays_, {}); }

private:
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer seenFor_;
    QStringList strays_;
};

// A modal dialog that the next call is expected to open. Make it before that call: once the
// dialog shows, `drive` runs on it (clicking, typing, checking) and appends what went wrong
// to the failures; the dialog is then rejected if `drive` left it open. Read failures()
// after the call; it also reports a dialog that never came.
class ExpectedModal : public QObject {
public:
    using Drive = std::function<void(QDialog& dialog, QString& failures)>;

    explicit ExpectedModal(Drive drive,
                           std::chrono::milliseconds patience = std::chrono::seconds(5));
    QString failures() const {
        return driven_ ? failures_ : failures_ + "the expected modal dialog did not appear; ";
    }

private:
    QTimer timer_;
    QString failures_;
    bool driven_ = false;
};

// Appends `message` to `failures` unless `condition` holds; for use inside a Drive.
inline void expectThat(bool condition, const QString& message, QString& failures) {
    failures += condition ? QString() : message + QStringLiteral("; ");
}

} // namespace payvanta::test
