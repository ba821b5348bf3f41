#include "captions.h"

#include "model/find_by.h"

#include <array>
#include <iterator>

namespace payvanta::ui {

namespace {

// A caption row keyed by what the control shows.
template <class Key> struct Caption {
    Key key;
    std::string_view caption;
    std::string_view toolTip;
};

// The controls that show no field: the window, menus, tabs, frames, summary and buttons.
constexpr ControlCaption kCaptions[] = {
    {{ctl::frmMain}, "Payvanta", ""},
    // Menus
    {{ctl::mnuFile}, "File", ""},
    {{ctl::mnuOpenNewFile}, "Open New File", ""},
    {{ctl::mnuOpenExistingFile}, "Open Existing File", ""},
    {{ctl::mnuSaveData}, "Save Data", ""},
    {{ctl::mnuPrintHelpFile}, "Print Help File", ""},
    {{ctl::mnuPrintSummary}, "Print Summary", ""},
    {{ctl::mnuPrintAll}, "Print All", ""},
    {{ctl::mnuSaveAsPdf}, "Save as PDF...", ""},
    {{ctl::mnuExit}, "Exit", ""},
    {{ctl::mnuView}, "View", ""},
    {{ctl::mnuHoist}, "Hoist", ""},
    {{ctl::mnuTrolley}, "Trolley", ""},
    {{ctl::mnuBridge}, "Bridge", ""},
    {{ctl::mnuInventory}, "Inventory", ""},
    {{ctl::mnuMaintenance}, "Maintenance", ""},
    {{ctl::mnuEnergy}, "Energy", ""},
    {{ctl::mnuSavings}, "Summary Savings", ""},
    {{ctl::mnuBusinessCase}, "Business Case", ""},
    {{ctl::mnuPrinterFonts}, "Printer-Fonts", ""},
    {{ctl::mnuFont, 0}, "MS Sans Serif - 8 - Default", ""},
    {{ctl::mnuFont, 1}, "Arial - 7", ""},
    {{ctl::mnuFont, 2}, "Arial - 8", ""},
    {{ctl::mnuFont, 3}, "Arial - 10", ""},
    {{ctl::mnuFont, 4}, "Arial - 11", ""},
    {{ctl::mnuFont, 5}, "Arial - 12", ""},
    {{ctl::mnuFont, 6}, "Times New Roman - 7", ""},
    {{ctl::mnuFont, 7}, "Times New Roman - 8", ""},
    {{ctl::mnuFont, 8}, "Times New Roman - 10", ""},
    {{ctl::mnuFont, 9}, "Times New Roman - 11", ""},
    {{ctl::mnuFont, 10}, "Times New Roman - 12", ""},
    // The tab strip and the frames it shows
    {{ctl::TabStrip1, 1}, "Help", ""},
    {{ctl::TabStrip1, 2}, "Project Information", ""},
    {{ctl::TabStrip1, 3}, "Hoist", ""},
    {{ctl::TabStrip1, 4}, "Trolley", ""},
    {{ctl::TabStrip1, 5}, "Bridge", ""},
    {{ctl::TabStrip1, 6}, "Inventory Costs", ""},
    {{ctl::Frame1, 1}, "Help Info", ""},
    {{ctl::Frame1, 2}, "Project Information", ""},
    {{ctl::Frame1, 3}, "Hoist", ""},
    // The trolley's frame reads "Trolly", the caption its users know it by.
    {{ctl::Frame1, 4}, "Trolly", ""},
    {{ctl::Frame1, 5}, "Bridge", ""},
    {{ctl::Frame1, 6}, "Inventory Costs", ""},
    {{ctl::txtElectricalLife}, "Electrical Life", ""},
    // Summary panel and file name
    {{ctl::fraRealTimeSummary}, "Real Time Summary", ""},
    {{ctl::lblSummaryEnergy}, "Energy", ""},
    {{ctl::lblSumaryMaintenance}, "Maintenance", ""},
    {{ctl::lblSummaryInventory}, "Inventory", ""},
    {{ctl::lblSummaryTotal}, "Total", ""},
    {{ctl::lblFileName}, "File Name:", ""},
    // Command buttons
    {{ctl::cmdNewFile}, "New File", "Creates a New Payvanta File."},
    {{ctl::cmdExistingFile}, "Existing File", "Opens an Existing Payvanta File."},
    {{ctl::cmdSaveExcel}, "Save Data", "Saves Data to the Current Payvanta File"},
    {{ctl::cmdPrintSummary}, "Print Summary", "Prints Only the Cost Savings Summary."},
    {{ctl::cmdPrintAll},
     "Print All",
     "Prints the Cost Savings Summary Along With Supporting Information."},
    {{ctl::cmdPrintHelp}, "Print Help", ""},
    {{ctl::cmdRealTimeSummary}, "Real Time Summary", ""},
    {{ctl::cmdClose}, "Close", "Closes the Program"},
};

// The label beside each field's control, and its tool tip. A motion's frame shows the
// same labels below its motor list but for the speed and the distance (see
// sameInEveryMotion).
constexpr Caption<Field> kFieldCaptions[] = {
    // Project information
    {Field::CustName, "Customer Name", ""},
    {Field::ProjName, "Project Name", ""},
    {Field::cmbStateKw, "State (Loads the kW-Hr Rate)", ""},
    {Field::KwHrRate, "kW-Hr Rate", ""},
    {Field::NumLifts, "Number of Lifts per Turn", ""},
    {Field::MaintPerHour, "Maintenance Labor Rate per Hour", ""},
    // The motions
    {Field::HoistMotor, "Hoist Motor", "This will overwrite the Nema Size."},
    {Field::HoistFPMHoist, "Hoist FPM", ""},
    {Field::LiftDistanceHoist, "Lift Distance in Feet", ""},
    {Field::TrolleyMotor, "Trolley Motor", ""},
    {Field::HoistFPMTrolley, "Travel FPM", ""},
    {Field::LiftDistanceTrolley, "Travel Distance in Feet", ""},
    {Field::BridgeMotor, "Bridge Motor", ""},
    {Field::HoistFPMBridge, "Travel FPM", ""},
    {Field::LiftDistanceBridge, "Travel Distance in Feet", ""},
    // Inventory costs
    {Field::ContactElec, "Contactor Electrical Tip Life, No. of Operations", ""},
    {Field::ContactMech, "Contactor Mechanical Life, No. of Operations", ""},
    {Field::HoistNemaSize, "NEMA Size", ""},
    {Field::ContactHoist, "Contact Tips Cost, Hoist", ""},
    {Field::TrolleyNemaSize, "NEMA Size", ""},
    {Field::ContactTrolley, "Contact Tips Cost, Trolley", ""},
    {Field::BridgeNemaSize, "NEMA Size", ""},
    {Field::ContactBridge, "Contact Tips Cost, Bridge", ""},
    {Field::BrakeSize, "Brake Size", ""},
    {Field::BrakeShoe, "Brake Shoe Cost, Hoist", ""},
    {Field::ShoeLife, "Shoe Life in Days", ""},
};

constexpr std::array<std::string_view, 5> kDutyCycleCaptions{
    "Duty Cycle Time, 1st", "Duty Cycle Time, 2nd", "Duty Cycle Time, 3rd", "Duty Cycle Time, 4th",
    "Duty Cycle Time, 5th"};

// The labels that every motion's frame shows alike: the motor count, volts and amperes
// and the five duty-cycle steps.
std::optional<std::string_view> sameInEveryMotion(Field field) {
    const auto m = motionOf(field);
    if (!m) {
        return std::nullopt;
    }
    if (const auto step = dutyCycleStepOf(field)) {
        return kDutyCycleCaptions[static_cast<std::size_t>(*step - 1)];
    }
    if (field == numMotorField(*m)) {
        return "No. of Motors";
    }
    if (field == motorVoltsField(*m)) {
        return "Motor Volts";
    }
    if (field == motorFLCAmpsField(*m)) {
        return "Motor FLC Amps";
    }
    return std::nullopt;
}

std::optional<ControlCaption> fieldCaption(Field field) {
    if (const auto caption = sameInEveryMotion(field)) {
        return ControlCaption{controlOf(field), *caption, ""};
    }
    if (const auto row = findBy(kFieldCaptions, field, &Caption<Field>::key)) {
        return ControlCaption{controlOf(field), row->caption, row->toolTip};
    }
    return std::nullopt;
}

constexpr ControlCaption kBusinessCaseFrame{{ctl::fraBusinessCase}, "Business Case Inputs", ""};

constexpr Caption<CaseInput> kCaseInputCaptions[] = {
    {CaseInput::DriveCost, "Drive Hardware", "The cost of the drives and their panels."},
    {CaseInput::InstallationCost, "Installation", ""},
    {CaseInput::EngineeringCost, "Engineering", ""},
    {CaseInput::Rebate, "Rebate", "A utility rebate or incentive; taken off the cost."},
    {CaseInput::ProjectLife, "Project Life, Years", "Whole years from 1 to 100. Empty: 15."},
    {CaseInput::DiscountRate, "Discount Rate, %", "For the net present value. Empty: 8 %."},
    {CaseInput::Co2Factor, "CO2 Factor, lb per kWh",
     "Empty: 0.81, the U.S. average of 2023 (EIA). A state or eGRID subregion rate fits a "
     "plant better."},
    {CaseInput::Co2Source, "Source of the Factor", "Printed beneath the CO2 figures."},
};

} // namespace

std::vector<ControlCaption> mainFormCaptions() {
    std::vector<ControlCaption> rows(std::begin(kCaptions), std::end(kCaptions));
    for (const Field field : allFields()) {
        if (const auto row = fieldCaption(field)) {
            rows.push_back(*row);
        }
    }
    return rows;
}

std::optional<ControlCaption> captionOf(ControlRef control) {
    if (const auto field = fieldOf(control)) {
        return fieldCaption(*field);
    }
    if (const auto input = caseInputOf(control)) {
        const Caption<CaseInput>* row =
            findBy(kCaseInputCaptions, *input, &Caption<CaseInput>::key);
        return row ? std::optional(ControlCaption{control, row->caption, row->toolTip})
                   : std::nullopt;
    }
    if (control == kBusinessCaseFrame.control) {
        return kBusinessCaseFrame;
    }
    const ControlCaption* row = findBy(kCaptions, control, &ControlCaption::control);
    return row ? std::optional(*row) : std::nullopt;
}

} // namespace payvanta::ui
