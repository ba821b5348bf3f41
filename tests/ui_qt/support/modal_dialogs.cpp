#include "support/modal_dialogs.h"

#include <QApplication>
#include <QScopeGuard>

namespace payvanta::test {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
// Marks a dialog that an ExpectedModal is driving, so that the watchdog leaves it alone.
constexpr const char* kDrivenProperty = "payvantaTestDriven";

void closeDialog(QWidget* widget) {
    if (auto* dialog = qobject_cast<QDialog*>(widget)) {
        dialog->reject();
    } else {
        widget->close();
    }
}

} // namespace

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds patience) : patience_(patience) {
    timer_.setInterval(kPollInterval * 5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start();
}

QStringList ModalWatchdog::takeStrays() {
    QStringList strays;
    strays.swap(strays_);
    return strays;
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->property(kDrivenProperty).toBool()) {
        seen_ = nullptr;
        return;
    }
    if (modal != seen_) {
        seen_ = modal;
        seenFor_.start();
        return;
    }
    if (std::chrono::milliseconds(seenFor_.elapsed()) < patience_) {
        return;
    }
    strays_ << QStringLiteral("unexpected modal dialog \"%1\" (%2) was closed")
                   .arg(modal->windowTitle(), modal->objectName());
    seen_ = nullptr;
    closeDialog(modal);
}

ExpectedModal::ExpectedModal(Drive drive, std::chrono::milliseconds patience)
    : drive_(std::move(drive)), patience_(patience) {
    timer_.setInterval(kPollInterval);
    connect(&timer_, &QTimer::timeout, this, &ExpectedModal::poll);
    waited_.start();
    timer_.start();
}

QString ExpectedModal::failures() const {
    if (!driven_) {
        return failures_ + QStringLiteral("the expected modal dialog did not appear; ");
    }
    return failures_;
}

void ExpectedModal::poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
        if (std::chrono::milliseconds(waited_.elapsed()) >= patience_) {
            timer_.stop();
        }
        return;
    }
    timer_.stop();
    driven_ = true;
    dialog->setProperty(kDrivenProperty, true);
    const QPointer<QDialog> guarded(dialog);
    const auto close = qScopeGuard([guarded] {
        if (guarded != nullptr) {
            guarded->setProperty(kDrivenProperty, false);
            if (guarded->isVisible()) {
                guarded->reject();
            }
        }
    });
    drive_(*dialog, failures_);
}

void expectThat(bool condition, const QString& message, QString& failures) {
    if (!condition) {
        failures += message + QStringLiteral("; ");
    }
}

} // namespace payvanta::test
