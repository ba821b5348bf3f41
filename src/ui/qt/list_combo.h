#pragma once

#include <QComboBox>

namespace payvanta::ui::qt {

// A drop-down list that tells when it is about to open, so that the form can change its
// font first.
class ListCombo : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void aboutToOpen();
};

} // namespace payvanta::ui::qt
