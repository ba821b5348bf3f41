#include "list_combo.h"

namespace payvanta::ui::qt {

void ListCombo::showPopup() {
    emit aboutToOpen();
    QComboBox::showPopup();
}

} // namespace payvanta::ui::qt
