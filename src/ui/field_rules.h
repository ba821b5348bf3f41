#pragma once

#include "model/field.h"

#include <optional>
#include <string_view>

namespace payvanta::ui {

// Which keys a field accepts.
enum class KeyClass { Any, Digits, Decimal, None };

// What a change of a field's text sets off.
enum class ChangeReaction {
    Nothing,
    Recalculate,
    IntegerForm, // number of motors: whole-number form, then recalculate
    Current,     // full-load current: duty cycle, then recalculate
    Speed,
    Distance,
    Step, // duty-cycle steps 1 to 4; step 5 does nothing
};

// What is checked when the user leaves a field.
enum class LeaveCheck {
    Nothing,
    Recalculate,
    Minimum,
    NonZero,
    LabourRate,
    Step,
    Speed,
    Distance,
    Current,
    MotorVolts,
    MotorCount,
    SizeList,
    StateList,
};

struct FieldRule {
    KeyClass keys = KeyClass::Any;
    bool tracked = false;
    ChangeReaction change = ChangeReaction::Nothing;
    LeaveCheck leave = LeaveCheck::Nothing;
    // The limit of a minimum check, also the value it puts back.
    double minimum = 0;
};

// The rule of every field shown on the main form.
FieldRule ruleOf(Field field);

} // namespace payvanta::ui
