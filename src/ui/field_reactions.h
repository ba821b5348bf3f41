#pragma once

#include "field_rules.h"
#include "form_context.h"

namespace payvanta::ui {

// The typed inputs of the main form: the key filter, what a change of a field's text
// sets off, and the check that runs when the user leaves a field (with its message, the
// value it puts back and the focus it sends back).
class FieldReactions {
public:
    explicit FieldReactions(FormContext& form) : form_(form) {}

    // A key pressed in the field; returns the key to keep, 0 to discard it.
    int keyPressed(Field field, int key);
    void changed(Field field);
    void left(Field field);

    // The largest number of motors the whole-number form holds.
    static constexpr int kMaxMotorCount = 32767;

private:
    void minimumCheck(Field field, double minimum);
    void nonZeroCheck(Field field);
    void labourRateCheck(Field field);
    void stepCheck(Motion m, int step);
    void speedCheck(Motion m);
    void distanceCheck(Motion m);
    void currentCheck(Motion m);
    void motorVoltsCheck(Motion m);
    void motorCountCheck(Motion m);
    void sizeListCheck(Field field);

    void integerForm(Motion m);
    void distanceReaction(Motion m);
    bool lastKeyedIs(Field field) const;
    // The fifth step is 0 or less, or not a number at all.
    bool fifthStepSpent(Motion m) const;
    void goBack(Field field);

    FormContext& form_;
};

} // namespace payvanta::ui
