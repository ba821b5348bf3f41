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

// What a screen reader says of a control whose caption alone does not say what it holds
// (the motion, the quantity, the unit) or that has no caption, and of a command the
// description that its tool tip would give. The captions on screen stay as they are.
struct SpokenControl {
    ControlRef control;
    std::string_view name;        // empty: the caption says it
    std::string_view description; // empty: none beyond the tool tip
};

// The row of a control, or nothing when its caption and tool tip say all.
std::optional<SpokenControl> spokenOf(ControlRef control);

} // namespace payvanta::ui
