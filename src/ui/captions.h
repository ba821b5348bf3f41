#pragma once

#include "controls.h"

#include <optional>
#include <string_view>
#include <vector>

namespace payvanta::ui {

// What the window shows of a control: its caption (for a field, the label beside it; for
// a tab of the tab strip, the tab's text) and its tool tip, empty when it has none.
struct ControlCaption {
    ControlRef control;
    std::string_view caption;
    std::string_view toolTip;
};

// The captions and tool tips of the main form, one row per control.
std::vector<ControlCaption> mainFormCaptions();

// The row of a control, of the main form or of the business-case inputs at the top of
// their window, or nothing for a control that shows no caption.
std::optional<ControlCaption> captionOf(ControlRef control);

} // namespace payvanta::ui
