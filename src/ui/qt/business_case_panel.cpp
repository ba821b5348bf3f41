#include "business_case_panel.h"

#include "main_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace payvanta::ui::qt {

BusinessCasePanel::BusinessCasePanel(MainForm& form, QWidget* parent)
    : QGroupBox(MainWindow::captionOf({ctl::fraBusinessCase}), parent) {
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

} // namespace payvanta::ui::qt
