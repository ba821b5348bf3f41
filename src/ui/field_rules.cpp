#include "field_rules.h"

namespace payvanta::ui {

namespace {

using K = KeyClass;
using C = ChangeReaction;
using L = LeaveCheck;

FieldRule motionRule(Field field, Motion m) {
    if (field == motorField(m)) {
        // Leaving the trolley's motor list recalculates; the other two do nothing.
        return {K::Any, false, C::Recalculate, m == Motion::Trolley ? L::Recalculate : L::Nothing, {}};
    }
    if (field == numMotorField(m)) {
        return {K::Digits, true, C::IntegerForm, L::MotorCount, {}};
    }
    if (field == motorVoltsField(m)) {
        return {K::Digits, false, C::Recalculate, L::MotorVolts, {}};
    }
    if (field == motorFLCAmpsField(m)) {
        return {K::Decimal, true, C::Current, L::Current, {}};
    }
    if (field == speedField(m)) {
        return {K::Decimal, true, C::Speed, L::Speed, {}};
    }
    if (field == distanceField(m)) {
        return {K::Decimal, true, C::Distance, L::Distance, {}};
    }
    if (field == dutyCycleField(m, 5)) {
        // The fifth step is computed; its box takes no keys.
        return {K::None, false, C::Nothing, L::Nothing, {}};
    }
    return {K::Decimal, true, C::Step, L::Step, {}};
}

} // namespace

FieldRule ruleOf(Field field) {
    if (const auto m = motionOf(field)) {
        return motionRule(field, *m);
    }
    switch (field) {
    case Field::CustName:
        return {K::Any, false, C::Nothing, L::Nothing, {}};
    case Field::ProjName:
        return {K::Any, false, C::Nothing, L::Recalculate, {}};
    case Field::cmbStateKw:
        return {K::Any, false, C::Recalculate, L::StateList, {}};
    case Field::KwHrRate:
        return {K::Decimal, false, C::Nothing, L::Recalculate, {}};
    case Field::NumLifts:
        return {K::Digits, false, C::Recalculate, L::Minimum, "1"};
    case Field::MaintPerHour:
        return {K::Decimal, false, C::Recalculate, L::LabourRate, {}};
    case Field::ContactElec:
        return {K::Digits, false, C::Recalculate, L::Minimum, "500"};
    case Field::ContactMech:
        return {K::Decimal, false, C::Nothing, L::Recalculate, {}};
    case Field::ContactHoist:
    case Field::ContactTrolley:
    case Field::ContactBridge:
    case Field::BrakeShoe:
        return {K::Decimal, false, C::Recalculate, L::Minimum, "0.05"};
    case Field::ShoeLife:
        return {K::Digits, false, C::Recalculate, L::NonZero, {}};
    case Field::HoistNemaSize:
    case Field::TrolleyNemaSize:
    case Field::BridgeNemaSize:
    case Field::BrakeSize:
        return {K::Digits, false, C::Recalculate, L::SizeList, {}};
    default:
        return {K::None, false, C::Nothing, L::Nothing, {}};
    }
}

} // namespace payvanta::ui
