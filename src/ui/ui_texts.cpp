#include "ui_texts.h"

namespace payvanta::ui::texts {

namespace {

std::string distanceName(Motion m) {
    return std::string(motionName(m)) + (m == Motion::Hoist ? " Lift Distance" : " Travel Distance");
}

} // namespace

std::string dutyCycleNoValue(Motion m, int step) {
    return std::string(motionName(m)) + " Duty Cycle " + std::to_string(step) + " Must Have a Value.";
}

std::string speedNoValue(Motion m) {
    return std::string(motionName(m)) + " FPM Must Have a Value of at least 1.";
}

std::string speedTooHigh(Motion m) {
    return std::string(motionName(m)) +
           " FPM was set too high. The 5th Duty Cycle can not be 0 or less.";
}

std::string distanceNoValue(Motion m) {
    return distanceName(m) + " Must Have a Value.";
}

std::string distanceTooLow(Motion m) {
    return distanceName(m) + " was set too low. The 5th Duty Cycle can not be 0 or less.";
}

std::string currentNoValue(Motion m) {
    return std::string(motionName(m)) + " FLC Amps must have a value of at least 10.";
}

std::string noMotorCount(std::string_view lineBreak) {
    return std::string(kNoMotorCountFirstLine) + std::string(lineBreak) +
           std::string(kNoMotorCountSecondLine);
}

std::string sizeListMinimum(Field sizeField) {
    switch (sizeField) {
    case Field::BrakeSize:
        return "Brake Size must have a value of at least 1.";
    case Field::HoistNemaSize:
        return "Hoist NEMA Size must have a value of at least 1.";
    case Field::TrolleyNemaSize:
        return "Trolley NEMA Size must have a value of at least 1.";
    default:
        return "Bridge NEMA Size must have a value of at least 1.";
    }
}

std::string_view minimumMessage(Field field) {
    switch (field) {
    case Field::NumLifts:
        return kNumLiftsMinimum;
    case Field::ContactElec:
        return kContactElecMinimum;
    case Field::ContactHoist:
        return kContactHoistMinimum;
    case Field::ContactTrolley:
        return kContactTrolleyMinimum;
    case Field::ContactBridge:
        return kContactBridgeMinimum;
    default:
        return kBrakeShoeMinimum;
    }
}

} // namespace payvanta::ui::texts
