#include "message_boxes.h"

#include "ui/ui_texts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace payvanta::ui::qt {

QString applicationTitle() {
    return QString::fromUtf8(texts::kApplicationTitle.data(),
                             static_cast<qsizetype>(texts::kApplicationTitle.size()));
}

void QtMessageBoxes::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool QtMessageBoxes::yesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("questionBox"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtMessageBoxes::input(QWidget* parent, const QString& prompt) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("inputBox"));
    dialog.setWindowTitle(applicationTitle());
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

} // namespace payvanta::ui::qt
