#include "controls.h"

#include "model/find_by.h"

#include <array>

namespace payvanta::ui {

namespace {

// Control names by field, in field order. The duty-cycle boxes are the arrays
// txtDutyCycleHoist(1..5) and so on.
constexpr std::array<std::string_view, kFieldCount> kControlNames{
    "txtCustName", "txtProjName", "cmbStateKw", "txtKwHrRate", "txtNumLifts", "txtMaintPerHour",
    "txtContactElec", "txtContactMech", "cmbHoistNemaSize", "txtContactHoist", "cmbTrolleyNemaSize",
    "txtContactTrolley", "cmbBridgeNemaSize", "txtContactBridge", "cmbBrakeSize", "txtBrakeShoe",
    "txtShoeLife",
    // Hoist
    "cmbHoistMotor", "txtNumMotorHoist", "txtMotorVoltsHoist", "txtMotorFLCAmpsHoist",
    "txtHoistFPMHoist", "txtLiftDistanceHoist", "txtDutyCycleHoist", "txtDutyCycleHoist",
    "txtDutyCycleHoist", "txtDutyCycleHoist", "txtDutyCycleHoist",
    // Trolley
    "cmbTrolleyMotor", "txtNumMotorTrolley", "txtMotorVoltsTrolley", "txtMotorFLCAmpsTrolley",
    "txtHoistFPMTrolley", "txtLiftDistanceTrolley", "txtDutyCycleTrolley", "txtDutyCycleTrolley",
    "txtDutyCycleTrolley", "txtDutyCycleTrolley", "txtDutyCycleTrolley",
    // Bridge
    "cmbBridgeMotor", "txtNumMotorBridge", "txtMotorVoltsBridge", "txtMotorFLCAmpsBridge",
    "txtHoistFPMBridge", "txtLiftDistanceBridge", "txtDutyCycleBridge", "txtDutyCycleBridge",
    "txtDutyCycleBridge", "txtDutyCycleBridge", "txtDutyCycleBridge",
    // The print settings are chosen in a menu, not in a control.
    "", ""};

} // namespace

std::string controlName(ControlRef control) {
    std::string name(control.name);
    if (control.index != 0 || control.name == ctl::mnuFont) {
        name += '(' + std::to_string(control.index) + ')';
    }
    return name;
}

ControlRef controlOf(Field field) {
    return {kControlNames[index(field)], dutyCycleStepOf(field).value_or(0)};
}

std::optional<Field> fieldOf(ControlRef control) {
    if (control.name.empty()) {
        return std::nullopt;
    }
    const Field* field = findBy(allFields(), control, [](Field f) { return controlOf(f); });
    return field ? std::optional(*field) : std::nullopt;
}

ControlRef controlOf(CaseInput input) {
    static constexpr std::array<std::string_view, kCaseInputCount> kNames{
        "txtCaseDriveCost", "txtCaseInstallationCost", "txtCaseEngineeringCost",
        "txtCaseRebate",    "txtCaseProjectLife",      "txtCaseDiscountRate",
        "txtCaseCo2Factor", "txtCaseCo2Source"};
    return {kNames[static_cast<std::size_t>(input)]};
}

std::optional<CaseInput> caseInputOf(ControlRef control) {
    const CaseInput* input = findBy(kCaseInputs, control, [](CaseInput i) { return controlOf(i); });
    return input ? std::optional(*input) : std::nullopt;
}

int tabOf(Motion m) {
    switch (m) {
    case Motion::Hoist:
        return tab::Hoist;
    case Motion::Trolley:
        return tab::Trolley;
    case Motion::Bridge:
        return tab::Bridge;
    }
    return tab::Hoist;
}

int tabOf(Field field) {
    if (const auto m = motionOf(field)) {
        return tabOf(*m);
    }
    return index(field) <= index(Field::MaintPerHour) ? tab::ProjectInformation
                                                      : tab::InventoryCosts;
}

} // namespace payvanta::ui
