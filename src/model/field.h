#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace payvanta {

enum class Motion : std::uint8_t { Hoist, Trolley, Bridge };

inline constexpr std::array<Motion, 3> kMotions{Motion::Hoist, Motion::Trolley, Motion::Bridge};

// "Hoist", "Trolley" or "Bridge": part of every per-motion key and control name.
std::string_view motionName(Motion motion);

// The fields of a project, in the order of the project file. Each is named by its
// project-file key; the enumerator spells the key where a key can be an identifier.
enum class Field : std::uint8_t {
    // Project information
    CustName,
    ProjName,
    cmbStateKw,
    KwHrRate,
    NumLifts,
    MaintPerHour,
    // Inventory costs
    ContactElec,
    ContactMech,
    HoistNemaSize,
    ContactHoist,
    TrolleyNemaSize,
    ContactTrolley,
    BridgeNemaSize,
    ContactBridge,
    BrakeSize,
    BrakeShoe,
    ShoeLife,
    // Hoist
    HoistMotor,
    NumMotorHoist,
    MotorVoltsHoist,
    MotorFLCAmpsHoist,
    HoistFPMHoist,
    LiftDistanceHoist,
    DutyCycleHoist1,
    DutyCycleHoist2,
    DutyCycleHoist3,
    DutyCycleHoist4,
    DutyCycleHoist5,
    // Trolley
    TrolleyMotor,
    NumMotorTrolley,
    MotorVoltsTrolley,
    MotorFLCAmpsTrolley,
    // The trolley's speed: every motion's speed key starts "HoistFPM", as the project
    // files and the control names spell it.
    HoistFPMTrolley,
    LiftDistanceTrolley,
    DutyCycleTrolley1,
    DutyCycleTrolley2,
    DutyCycleTrolley3,
    DutyCycleTrolley4,
    DutyCycleTrolley5,
    // Bridge
    BridgeMotor,
    NumMotorBridge,
    MotorVoltsBridge,
    MotorFLCAmpsBridge,
    HoistFPMBridge,
    LiftDistanceBridge,
    DutyCycleBridge1,
    DutyCycleBridge2,
    DutyCycleBridge3,
    DutyCycleBridge4,
    DutyCycleBridge5,
    // Print settings
    PrintFontName,
    PrintFontSize,
};

inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::PrintFontSize) + 1;

constexpr std::size_t index(Field f) {
    return static_cast<std::size_t>(f);
}

// Every field in file order.
const std::array<Field, kFieldCount>& allFields();

// The project-file key: "CustName", "DutyCycleHoist(3)", "PrintFontSize", ...
std::string_view fieldKey(Field field);
std::optional<Field> fieldByKey(std::string_view key);

// The per-motion fields. The motion's block in the file starts with its motor.
Field motorField(Motion m);
Field numMotorField(Motion m);
Field motorVoltsField(Motion m);
Field motorFLCAmpsField(Motion m);
Field speedField(Motion m);               // HoistFPM + motion
Field distanceField(Motion m);            // LiftDistance + motion
Field dutyCycleField(Motion m, int step); // step 1 to 5
Field nemaSizeField(Motion m);
Field contactCostField(Motion m);

// The fields that hold a decimal number; the others hold text (names, the state, the
// motor descriptions, the print font).
bool isNumberField(Field f);

// The motion a per-motion field belongs to, and the step of a duty-cycle field (1 to 5).
std::optional<Motion> motionOf(Field f);
std::optional<int> dutyCycleStepOf(Field f);

} // namespace payvanta
