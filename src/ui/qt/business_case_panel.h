#pragma once

#include "model/business_case_inputs.h"

#include <QGroupBox>
#include <QHash>

class QLineEdit;

namespace payvanta::ui {
class MainForm;
}

namespace payvanta::ui::qt {

class MessageBoxes;

// The business-case inputs at the top of the Business Case window: the cost in its four
// parts, the life, the discount rate and the CO2 factor with its source, each box named by
// its control name and captioned from the caption table. What is typed is kept with the
// project at once (so Save Data and the close question save it); the page is built again
// when a box that changed is left or Enter is pressed in it. A box left holding a number
// outside its range, or no number, says so in a message and takes the focus back; an
// empty box is an input not entered.
class BusinessCasePanel : public QGroupBox {
    Q_OBJECT

public:
    BusinessCasePanel(MainForm& form, MessageBoxes& boxes, QWidget* parent = nullptr);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkLeft(QLineEdit* edit);

    MainForm& form_;
    MessageBoxes& boxes_;
    QHash<QObject*, CaseInput> inputs_;
    bool edited_ = false;
    bool refusing_ = false;
};

} // namespace payvanta::ui::qt
