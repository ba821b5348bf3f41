#include "field.h"

#include "find_by.h"

namespace payvanta {

namespace {

constexpr std::array<std::string_view, kFieldCount> kKeys{
    "CustName",
    "ProjName",
    "cmbStateKw",
    "KwHrRate",
    "NumLifts",
    "MaintPerHour",
    "ContactElec",
    "ContactMech",
    "HoistNemaSize",
    "ContactHoist",
    "TrolleyNemaSize",
    "ContactTrolley",
    "BridgeNemaSize",
    "ContactBridge",
    "BrakeSize",
    "BrakeShoe",
    "ShoeLife",
    "HoistMotor",
    "NumMotorHoist",
    "MotorVoltsHoist",
    "MotorFLCAmpsHoist",
    "HoistFPMHoist",
    "LiftDistanceHoist",
    "DutyCycleHoist(1)",
    "DutyCycleHoist(2)",
    "DutyCycleHoist(3)",
    "DutyCycleHoist(4)",
    "DutyCycleHoist(5)",
    "TrolleyMotor",
    "NumMotorTrolley",
    "MotorVoltsTrolley",
    "MotorFLCAmpsTrolley",
    "HoistFPMTrolley",
    "LiftDistanceTrolley",
    "DutyCycleTrolley(1)",
    "DutyCycleTrolley(2)",
    "DutyCycleTrolley(3)",
    "DutyCycleTrolley(4)",
    "DutyCycleTrolley(5)",
    "BridgeMotor",
    "NumMotorBridge",
    "MotorVoltsBridge",
    "MotorFLCAmpsBridge",
    "HoistFPMBridge",
    "LiftDistanceBridge",
    "DutyCycleBridge(1)",
    "DutyCycleBridge(2)",
    "DutyCycleBridge(3)",
    "DutyCycleBridge(4)",
    "DutyCycleBridge(5)",
    "PrintFontName",
    "PrintFontSize",
};

constexpr std::array<Field, kFieldCount> makeAllFields() {
    std::array<Field, kFieldCount> out{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        out[i] = static_cast<Field>(i);
    }
    return out;
}

constexpr std::array<Field, kFieldCount> kAllFields = makeAllFields();

// Each motion's block: motor, count, volts, amps, speed, distance, steps 1 to 5.
constexpr std::size_t kMotionBlock = 11;

Field motionFieldAt(Motion m, std::size_t offset) {
    return static_cast<Field>(index(Field::HoistMotor) +
                              static_cast<std::size_t>(m) * kMotionBlock + offset);
}

} // namespace

std::string_view motionName(Motion motion) {
    switch (motion) {
    case Motion::Hoist:
        return "Hoist";
    case Motion::Trolley:
        return "Trolley";
    case Motion::Bridge:
        return "Bridge";
    }
    return {};
}

const std::array<Field, kFieldCount>& allFields() {
    return kAllFields;
}

std::string_view fieldKey(Field field) {
    return kKeys[index(field)];
}

std::optional<Field> fieldByKey(std::string_view key) {
    const Field* field = findBy(kAllFields, key, fieldKey);
    return field ? std::optional(*field) : std::nullopt;
}

Field motorField(Motion m) {
    return motionFieldAt(m, 0);
}
Field numMotorField(Motion m) {
    return motionFieldAt(m, 1);
}
Field motorVoltsField(Motion m) {
    return motionFieldAt(m, 2);
}
Field motorFLCAmpsField(Motion m) {
    return motionFieldAt(m, 3);
}
Field speedField(Motion m) {
    return motionFieldAt(m, 4);
}
Field distanceField(Motion m) {
    return motionFieldAt(m, 5);
}
Field dutyCycleField(Motion m, int step) {
    return motionFieldAt(m, 5 + static_cast<std::size_t>(step));
}

Field nemaSizeField(Motion m) {
    switch (m) {
    case Motion::Hoist:
        return Field::HoistNemaSize;
    case Motion::Trolley:
        return Field::TrolleyNemaSize;
    case Motion::Bridge:
        return Field::BridgeNemaSize;
    }
    return Field::HoistNemaSize;
}

Field contactCostField(Motion m) {
    switch (m) {
    case Motion::Hoist:
        return Field::ContactHoist;
    case Motion::Trolley:
        return Field::ContactTrolley;
    case Motion::Bridge:
        return Field::ContactBridge;
    }
    return Field::ContactHoist;
}

std::optional<Motion> motionOf(Field f) {
    const auto i = index(f);
    if (i < index(Field::HoistMotor) || i > index(Field::DutyCycleBridge5)) {
        return std::nullopt;
    }
    return static_cast<Motion>((i - index(Field::HoistMotor)) / kMotionBlock);
}

std::optional<int> dutyCycleStepOf(Field f) {
    const auto m = motionOf(f);
    if (!m) {
        return std::nullopt;
    }
    const auto offset = (index(f) - index(Field::HoistMotor)) % kMotionBlock;
    if (offset < 6) {
        return std::nullopt;
    }
    return static_cast<int>(offset - 5);
}

bool isNumberField(Field f) {
    switch (f) {
    case Field::CustName:
    case Field::ProjName:
    case Field::cmbStateKw:
    case Field::HoistMotor:
    case Field::TrolleyMotor:
    case Field::BridgeMotor:
    case Field::PrintFontName:
    case Field::PrintFontSize:
        return false;
    default:
        return true;
    }
}

} // namespace payvanta
