#include "support/modal_dialogs.h"

#include <QApplication>

namespace payvanta::test {

namespace {

// Marks a dialog that an ExpectedModal is driving, so that the watchdog leaves it alone.
constexpr const char* kDrivenProperty = "payvantaTestDriven";

} // namespace

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds patience) {
    connect(&timer_, &QTimer::timeout, this, [this, patience] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property(kDrivenProperty).toBool()) {
            seen_ = nullptr;
        } else if (modal != seen_) {
            seen_ = modal;
            seenFor_.start();
        } else if (std::chrono::milliseconds(seenFor_.elapsed()) >= patience) {
            strays_ << QStringLiteral("unexpected modal dialog \"%1\" (%2) was closed")
                           .arg(modal->windowTitle(), modal->objectName());
            seen_ = nullptr;
            modal->close();
        }
    });
    timer_.start(50);
}

ExpectedModal::ExpectedModal(Drive drive, std::chrono::milliseconds patience) {
    QElapsedTimer waited;
    waited.start();
    connect(&timer_, &QTimer::timeout, this, [this, drive = std::move(drive), patience, waited] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (std::chrono::milliseconds(waited.elapsed()) >= patience) {
                timer_.stop();
            }
            return;
        }
        timer_.stop();
        driven_ = true;
        dialog->setProperty(kDrivenProperty, true);
        const QPointer<QDialog> guarded(dialog);
        drive(*dialog, failures_);
        if (guarded != nullptr) {
            guarded->setProperty(kDrivenProperty, false);
            if (guarded->isVisible()) {
                guarded->reject();
            }
        }
    });
    timer_.start(10);
}

} // namespace payvanta::test
