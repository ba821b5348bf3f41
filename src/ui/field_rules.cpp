#include "field_rules.h"

namespace payvanta::ui {

namespace {

using K = KeyClass;
using C = ChangeReaction;
using L = LeaveCheck;

FieldRule motionRule(Field field, Motion m) {
    if (field == motorField(m)) {
        // Leaving the trolley's motor list recalculates; the other two do nothing.
        return {K::Any, false, C::Recalculate, m == Motion::Trolley ? L::Recalculate : L::Nothing,
                0};
    }
    if (field == numMotorField(m)) {
        return {K::Digits, true, C::IntegerForm, L::MotorCount, 0};
    }
    if (field == motorVoltsField(m)) {
        return {K::Digits, false, C::Recalculate, L::MotorVolts, 0};
    }
    if (field == motorFLCAmpsField(m)) {
        return {K::Decimal, true, C::Current, L::Current, 0};
    }
    if (field == speedField(m)) {
        return {K::Decimal, true, C::Speed, L::Speed, 0};
    }
    if (field == distanceField(m)) {
        return {K::Decimal, true, C::Distance, L::Distance, 0};
    }
    if (field == dutyCycleField(m, 5)) {
        // The fifth step is computed; its box takes no keys.
        return {K::None, false, C::Nothing, L::Nothing, 0};
    }
    return {K::Decimal, true, C::Step, L::Step, 0};
}

} // namespace

FieldRule ruleOf(Field field) {
    if (const auto m = motionOf(field)) {
        return motionRule(field, *m);
    }
    switch (field) {
    case Field::CustName:
        return {K::Any, false, C::Nothing, L::Nothing, 0};
    case Field::ProjName:
        return {K::Any, false, C::Nothing, L::Recalculate, 0};
    case Field::cmbStateKw:
        return {K::Any, false, C::Recalculate, L::StateList, 0};
    case Field::KwHrRate:
        return {K::Decimal, false, C::Nothing, L::Recalculate, 0};
    case Field::NumLifts:
        return {K::Digits, false, C::Recalculate, L::Minimum, 1};
    case Field::MaintPerHour:
        return {K::Decimal, false, C::Recalculate, L::LabourRate, 0};
    case Field::ContactElec:
        return {K::Digits, false, C::Recalculate, L::Minimum, 500};
    case Field::ContactMech:
        return {K::Decimal, false, C::Nothing, L::Recalculate, 0};
    case Field::ContactHoist:
    case Field::ContactTrolley:
    case Field::ContactBridge:
    case Field::BrakeShoe:
        return {K::Decimal, false, C::Recalculate, L::Minimum, 0.05};
    case Field::ShoeLife:
        return {K::Digits, false, C::Recalculate, L::NonZero, 0};
    case Field::HoistNemaSize:
    case Field::TrolleyNemaSize:
    case Field::BridgeNemaSize:
    case Field::BrakeSize:
        return {K::Digits, false, C::Recalculate, L::SizeList, 0};
    default:
        return {K::None, false, C::Nothing, L::Nothing, 0};
    }
}

} // namespace payvanta::ui
