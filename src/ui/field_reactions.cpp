#include "field_reactions.h"

#include "key_filter.h"
#include "model/number_text.h"
#include "model/text_trim.h"
#include "ui_texts.h"

#include <cmath>

namespace payvanta::ui {

namespace {

constexpr std::string_view kPutBackSpeed = "1";
constexpr std::string_view kPutBackDistance = "10";
constexpr std::string_view kPutBackCurrent = "10";
constexpr std::string_view kDistanceLimit = "9999";
constexpr double kMaxDistance = 9999;

// The first n characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t n) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < n; ++count) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return text.substr(0, end);
}

} // namespace

int FieldReactions::keyPressed(Field field, int key) {
    const FieldRule rule = ruleOf(field);
    if (rule.tracked) {
        form_.setLastKeyedField(controlOf(field).name);
    }
    switch (rule.keys) {
    case KeyClass::Any:
        return key;
    case KeyClass::None:
        return 0;
    case KeyClass::Digits:
    case KeyClass::Decimal:
        break;
    }
    return checkCharacter(key, form_.text(field), rule.keys == KeyClass::Decimal,
                          form_.model().locale());
}

void FieldReactions::changed(Field field) {
    const auto m = motionOf(field);
    switch (ruleOf(field).change) {
    case ChangeReaction::Nothing:
        return;
    case ChangeReaction::Recalculate:
        form_.recalculate();
        return;
    case ChangeReaction::IntegerForm:
        integerForm(*m);
        return;
    case ChangeReaction::Current:
        form_.model().updateDutyCycle(*m);
        form_.recalculate();
        return;
    case ChangeReaction::Speed: {
        if (!form_.model().state.recalcEnabled) {
            return;
        }
        const std::string& text = form_.text(field);
        const auto value = form_.number(field);
        if (form_.isEmptyOrLoneSeparator(text) || !value || *value == 0) {
            return;
        }
        form_.model().updateDutyCycle(*m);
        form_.recalculate();
        return;
    }
    case ChangeReaction::Distance:
        distanceReaction(*m);
        return;
    case ChangeReaction::Step:
        if (form_.model().state.recalcEnabled) {
            form_.model().updateDutyCycle(*m);
            form_.recalculate();
        }
        return;
    }
}

void FieldReactions::integerForm(Motion m) {
    const Field field = numMotorField(m);
    const std::string& text = form_.text(field);
    const auto value = form_.number(field);
    if (const std::string* before = form_.textBeforeTyping(field);
        before != nullptr && value && *value > kMaxMotorCount) {
        // A count longer than the whole-number form can hold takes no further digit.
        const auto previous = numbers::parse(*before, form_.model().locale());
        if (!previous || *previous <= kMaxMotorCount) {
            form_.write(field, std::string(*before));
            return;
        }
    }
    if (text.size() > 1) {
        // 007 becomes 7. A text that is not a whole number the form can hold (from a
        // file) stays as it is.
        if (value && *value >= -kMaxMotorCount - 1 && *value <= kMaxMotorCount) {
            const std::string whole =
                numbers::plain(std::nearbyint(*value), form_.model().locale());
            if (whole != text) {
                form_.write(field, whole); // runs this reaction again, which recalculates
                return;
            }
        }
    }
    form_.recalculate();
}

void FieldReactions::distanceReaction(Motion m) {
    const Field field = distanceField(m);
    const std::string text = form_.text(field);
    if (form_.isEmptyOrLoneSeparator(text)) {
        return;
    }
    const auto value = form_.number(field);
    if (value && *value > kMaxDistance) {
        form_.message(texts::kDistanceLimit);
        form_.write(field, kDistanceLimit);
    }
    form_.model().updateDutyCycle(m);
    form_.recalculate();
}

void FieldReactions::left(Field field) {
    const auto m = motionOf(field);
    const FieldRule rule = ruleOf(field);
    switch (rule.leave) {
    case LeaveCheck::Nothing:
    case LeaveCheck::StateList:
        return;
    case LeaveCheck::Recalculate:
        form_.recalculate();
        return;
    case LeaveCheck::Minimum:
        minimumCheck(field, rule.minimum);
        return;
    case LeaveCheck::NonZero:
        nonZeroCheck(field);
        return;
    case LeaveCheck::LabourRate:
        labourRateCheck(field);
        return;
    case LeaveCheck::Step:
        stepCheck(*m, *dutyCycleStepOf(field));
        return;
    case LeaveCheck::Speed:
        speedCheck(*m);
        return;
    case LeaveCheck::Distance:
        distanceCheck(*m);
        return;
    case LeaveCheck::Current:
        currentCheck(*m);
        return;
    case LeaveCheck::MotorVolts:
        motorVoltsCheck(*m);
        return;
    case LeaveCheck::MotorCount:
        motorCountCheck(*m);
        return;
    case LeaveCheck::SizeList:
        sizeListCheck(field);
        return;
    }
}

bool FieldReactions::lastKeyedIs(Field field) const {
    return form_.lastKeyedField() == controlOf(field).name;
}

bool FieldReactions::fifthStepSpent(Motion m) const {
    const auto fifth = form_.number(dutyCycleField(m, 5));
    return !fifth || *fifth <= 0;
}

void FieldReactions::goBack(Field field) {
    form_.goBack(controlOf(field), tabOf(field));
}

void FieldReactions::minimumCheck(Field field, double minimum) {
    const std::string& text = form_.text(field);
    const auto value = form_.number(field);
    if (form_.isEmptyOrLoneSeparator(text) || !value || *value < minimum) {
        goBack(field);
        form_.message(texts::minimumMessage(field));
        form_.write(field, numbers::plain(minimum, form_.model().locale()));
    }
}

void FieldReactions::nonZeroCheck(Field field) {
    if (form_.hasNoValue(field)) {
        goBack(field);
        form_.message(texts::kShoeLifeMinimum);
        form_.write(field, "1");
    }
}

void FieldReactions::labourRateCheck(Field field) {
    const std::string& text = form_.text(field);
    if (form_.isEmptyOrLoneSeparator(text)) {
        form_.write(field, "0");
    }
}

void FieldReactions::stepCheck(Motion m, int step) {
    const Field field = dutyCycleField(m, step);
    const std::string putBack = numbers::plain(0.25, form_.model().locale());
    if (!lastKeyedIs(field)) {
        if (form_.text(field).empty()) {
            form_.write(field, putBack);
            form_.message(texts::dutyCycleNoValue(m, step));
        }
        return;
    }
    if (!form_.model().completeDutyCycle(m)) {
        // Also when another step made the cycle invalid: this step is the one left.
        goBack(field);
        form_.write(field, putBack);
        form_.message(texts::kInvalidDutyCycles);
        return;
    }
    const std::string& text = form_.text(field);
    if (form_.isEmptyOrLoneSeparator(text)) {
        goBack(field);
        form_.write(field, putBack);
        form_.message(texts::dutyCycleNoValue(m, step));
    }
}

void FieldReactions::speedCheck(Motion m) {
    const Field field = speedField(m);
    if (!lastKeyedIs(field)) {
        if (form_.text(field).empty()) {
            form_.write(field, kPutBackSpeed);
            form_.message(texts::speedNoValue(m));
        }
        return;
    }
    if (fifthStepSpent(m)) {
        goBack(field);
        form_.message(texts::speedTooHigh(m));
        return;
    }
    if (form_.hasNoValue(field)) {
        goBack(field);
        form_.write(field, kPutBackSpeed);
        form_.message(texts::speedNoValue(m));
    }
}

void FieldReactions::distanceCheck(Motion m) {
    const Field field = distanceField(m);
    RunState& state = form_.model().state;
    // Putting "10" back brings the duty cycle up to date without a recalculation.
    state.recalcEnabled = false;
    if (!lastKeyedIs(field)) {
        if (form_.text(field).empty()) {
            form_.message(texts::distanceNoValue(m));
            form_.write(field, kPutBackDistance);
        }
    } else if (fifthStepSpent(m)) {
        form_.message(texts::distanceTooLow(m));
        goBack(field);
    } else if (form_.hasNoValue(field)) {
        form_.message(texts::distanceNoValue(m));
        goBack(field);
    }
    state.recalcEnabled = true;
}

void FieldReactions::currentCheck(Motion m) {
    const Field field = motorFLCAmpsField(m);
    if (!lastKeyedIs(field)) {
        if (form_.text(field).empty()) {
            form_.message(texts::currentNoValue(m));
            form_.write(field, kPutBackCurrent);
        }
        return;
    }
    if (form_.hasNoValue(field)) {
        goBack(field);
        form_.message(texts::currentNoValue(m));
        form_.write(field, kPutBackCurrent);
    }
}

void FieldReactions::motorVoltsCheck(Motion m) {
    const Field field = motorVoltsField(m);
    const std::string& text = form_.text(field);
    const auto value = form_.number(field);
    const bool none = form_.motorIsNone(m);
    // Text that is no number at all (from a file) counts as a number that is not 0.
    const bool notANumber = !form_.isEmptyOrLoneSeparator(text) && !value;
    if (none && ((value && *value != 0) || notANumber)) {
        form_.write(field, "0");
        form_.message(texts::kNoneVolts);
        goBack(field);
        return;
    }
    if (form_.isEmptyOrLoneSeparator(text) || notANumber || (*value == 0 && !none)) {
        form_.message(texts::kNoVolts);
        form_.write(field, "1");
        goBack(field);
    }
}

void FieldReactions::motorCountCheck(Motion m) {
    const Field field = numMotorField(m);
    if (!lastKeyedIs(field)) {
        return;
    }
    if (form_.text(field).empty()) {
        form_.write(field, "0");
    }
    const double count = form_.number(field).value_or(0);
    if (form_.motorIsNone(m) && count != 1) {
        form_.write(field, "1");
        form_.message(texts::kNoneMotorCount);
        goBack(field);
        return;
    }
    if (count >= 1) {
        return;
    }
    form_.message(texts::noMotorCount(form_.model().state.lineBreak));
    form_.write(field, "1");
    goBack(field);
}

void FieldReactions::sizeListCheck(Field field) {
    const std::string text = form_.text(field);
    bool wrong = text.empty();
    if (!wrong && text.size() > 2) {
        // A longer text is cut to its first two characters, without a message.
        const std::string cut = firstCharacters(text, 2);
        form_.write(field, trimSpaces(cut));
        return;
    }
    if (!wrong) {
        const auto value = form_.number(field);
        wrong = form_.isEmptyOrLoneSeparator(text) || !value || *value < 1;
    }
    if (wrong) {
        form_.goBack(controlOf(field), tab::InventoryCosts);
        form_.message(texts::sizeListMinimum(field));
        form_.write(field, "1");
    }
}

} // namespace payvanta::ui
