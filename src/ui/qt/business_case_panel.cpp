#include "business_case_panel.h"

#include "main_window.h"
#include "message_boxes.h"
#include "ui/ui_texts.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace payvanta::ui::qt {

BusinessCasePanel::BusinessCasePanel(MainForm& form, MessageBoxes& boxes, QWidget* parent)
    : QGroupBox(MainWindow::captionOf({ctl::fraBusinessCase}), parent), form_(form), boxes_(boxes) {
    setObjectName(MainWindow::nameOf({ctl::fraBusinessCase}));
    auto* grid = new QGridLayout(this);
    // The cost on the left, what the return and the emissions are judged by on the right.
    constexpr int kRows = 4;
    int i = 0;
    for (const CaseInput input : kCaseInputs) {
        const ControlRef ref = controlOf(input);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(MainWindow::nameOf(ref));
        edit->setText(QString::fromStdString(form.model().record.businessCase().get(input)));
        edit->setToolTip(MainWindow::toolTipOf(ref));
        edit->installEventFilter(this);
        inputs_.insert(edit, input);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                              (input == CaseInput::Co2Source ? 28 : 12));
        if (i == 0) {
            setFocusProxy(edit);
        }
        auto* label = new QLabel(MainWindow::captionOf(ref), this);
        label->setBuddy(edit);
        const int column = i / kRows * 2;
        grid->addWidget(label, i % kRows, column);
        grid->addWidget(edit, i % kRows, column + 1);
        connect(edit, &QLineEdit::textEdited, this, [this, &form, input](const QString& text) {
            form.caseInputChanged(input, text.toStdString());
            edited_ = true;
        });
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (std::exchange(edited_, false)) {
                emit changed();
            }
        });
        ++i;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
}

bool BusinessCasePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && inputs_.contains(watched)) {
        // Another window or a menu taking the focus is not the user leaving the box. The
        // check waits until the focus has moved, as the main form's leave checks do.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason) {
            auto* edit = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, edit, [this, edit] { checkLeft(edit); });
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void BusinessCasePanel::checkLeft(QLineEdit* edit) {
    if (refusing_ || !edit->isVisible()) {
        return;
    }
    const auto refused = texts::caseInputLeft(inputs_.value(edit), edit->text().toStdString(),
                                              form_.model().locale());
    if (!refused) {
        return;
    }
    refusing_ = true;
    boxes_.message(this, QString::fromStdString(*refused));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    refusing_ = false;
}

} // namespace payvanta::ui::qt
