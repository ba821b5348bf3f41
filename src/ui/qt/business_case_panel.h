#pragma once

#include <QGroupBox>

namespace payvanta::ui {
class MainForm;
}

namespace payvanta::ui::qt {

// The business-case inputs at the top of the Business Case window: the cost in its four
// parts, the life, the discount rate and the CO2 factor with its source, each box named by
// its control name and captioned from the caption table. What is typed is kept with the
// project at once (so Save Data and the close question save it); the page is built again
// when a box that changed is left or Enter is pressed in it.
class BusinessCasePanel : public QGroupBox {
    Q_OBJECT

public:
    BusinessCasePanel(MainForm& form, QWidget* parent = nullptr);

signals:
    void changed();

private:
    bool edited_ = false;
};

} // namespace payvanta::ui::qt
