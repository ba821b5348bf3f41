#include "message_boxes.h"

#include "ui/ui_texts.h"
#include "window_placement.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QWindow>

namespace payvanta::ui::qt {

namespace {

// A box or dialog that opens centred over the window it belongs to. Its size is known
// only as it shows (a message box sizes itself to its text then), before it is mapped.
template <typename Dialog> class CentredOverOwner final : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        centreOver(this, this->parentWidget());
        // A window manager may still place the box as it maps it: once it shows, it is
        // centred again.
        if (QWindow* handle = this->windowHandle(); handle != nullptr && !placed_) {
            handle->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == this->windowHandle() && event->type() == QEvent::Expose &&
            this->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            placed_ = true;
            centreOver(this, this->parentWidget());
        }
        return Dialog::eventFilter(watched, event);
    }

private:
    bool placed_ = false;
};

// The title as a screen reader should say it: the underscore would be read aloud.
QString spokenTitle() {
    return applicationTitle().replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

QString applicationTitle() {
    return QString::fromUtf8(texts::kApplicationTitle.data(),
                             static_cast<qsizetype>(texts::kApplicationTitle.size()));
}

void QtMessageBoxes::message(QWidget* parent, const QString& text) {
    CentredOverOwner<QMessageBox> box(QMessageBox::NoIcon, applicationTitle(), text,
                                      QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setAccessibleName(spokenTitle());
    box.exec();
}

bool QtMessageBoxes::yesNo(QWidget* parent, const QString& question) {
    CentredOverOwner<QMessageBox> box(QMessageBox::NoIcon, applicationTitle(), question,
                                      QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("questionBox"));
    box.setAccessibleName(spokenTitle());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtMessageBoxes::input(QWidget* parent, const QString& prompt) {
    CentredOverOwner<QInputDialog> dialog(parent);
    dialog.setObjectName(QStringLiteral("inputBox"));
    dialog.setWindowTitle(applicationTitle());
    dialog.setAccessibleName(spokenTitle());
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

} // namespace payvanta::ui::qt
