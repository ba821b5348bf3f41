#include "captions.h"

#include <array>

namespace payvanta::ui {

namespace {

using namespace std::string_view_literals;

// The labels of a motion's frame below its motor list.
#define MOTION_FIELDS(M, Speed, Distance)                                                          \
    {{"txtNumMotor" #M}, "No. of Motors", ""}, {{"txtMotorVolts" #M}, "Motor Volts", ""},          \
        {{"txtMotorFLCAmps" #M}, "Motor FLC Amps", ""}, {{"txtHoistFPM" #M}, Speed, ""},           \
        {{"txtLiftDistance" #M}, Distance, ""},                                                    \
        {{"txtDutyCycle" #M, 1}, "Duty Cycle Time, 1st", ""},                                      \
        {{"txtDutyCycle" #M, 2}, "Duty Cycle Time, 2nd", ""},                                      \
        {{"txtDutyCycle" #M, 3}, "Duty Cycle Time, 3rd", ""},                                      \
        {{"txtDutyCycle" #M, 4}, "Duty Cycle Time, 4th", ""}, {                                    \
        {"txtDutyCycle" #M, 5}, "Duty Cycle Time, 5th", ""                                         \
    }

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
    // The trolley's frame has always been captioned "Trolly"; kept on purpose.
    {{ctl::Frame1, 4}, "Trolly", ""},
    {{ctl::Frame1, 5}, "Bridge", ""},
    {{ctl::Frame1, 6}, "Inventory Costs", ""},
    // Project information
    {{"txtCustName"}, "Customer Name", ""},
    {{"txtProjName"}, "Project Name", ""},
    {{"cmbStateKw"}, "State (Loads the kW-Hr Rate)", ""},
    {{"txtKwHrRate"}, "kW-Hr Rate", ""},
    {{"txtNumLifts"}, "Number of Lifts per Turn", ""},
    {{"txtMaintPerHour"}, "Maintenance Labor Rate per Hour", ""},
    {{ctl::txtElectricalLife}, "Electrical Life", ""},
    // The motions
    {{"cmbHoistMotor"}, "Hoist Motor", "This will overwrite the Nema Size."},
    MOTION_FIELDS(Hoist, "Hoist FPM", "Lift Distance in Feet"),
    {{"cmbTrolleyMotor"}, "Trolley Motor", ""},
    MOTION_FIELDS(Trolley, "Travel FPM", "Travel Distance in Feet"),
    {{"cmbBridgeMotor"}, "Bridge Motor", ""},
    MOTION_FIELDS(Bridge, "Travel FPM", "Travel Distance in Feet"),
    // Inventory costs
    {{"txtContactElec"}, "Contactor Electrical Tip Life, No. of Operations", ""},
    {{"txtContactMech"}, "Contactor Mechanical Life, No. of Operations", ""},
    {{"cmbHoistNemaSize"}, "NEMA Size", ""},
    {{"txtContactHoist"}, "Contact Tips Cost, Hoist", ""},
    {{"cmbTrolleyNemaSize"}, "NEMA Size", ""},
    {{"txtContactTrolley"}, "Contact Tips Cost, Trolley", ""},
    {{"cmbBridgeNemaSize"}, "NEMA Size", ""},
    {{"txtContactBridge"}, "Contact Tips Cost, Bridge", ""},
    {{"cmbBrakeSize"}, "Brake Size", ""},
    {{"txtBrakeShoe"}, "Brake Shoe Cost, Hoist", ""},
    {{"txtShoeLife"}, "Shoe Life in Days", ""},
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

#undef MOTION_FIELDS

constexpr ControlCaption kBusinessCaseCaptions[] = {
    {{ctl::fraBusinessCase}, "Business Case Inputs", ""},
    {{"txtCaseDriveCost"}, "Drive Hardware", "The cost of the drives and their panels."},
    {{"txtCaseInstallationCost"}, "Installation", ""},
    {{"txtCaseEngineeringCost"}, "Engineering", ""},
    {{"txtCaseRebate"}, "Rebate", "A utility rebate or incentive; taken off the cost."},
    {{"txtCaseProjectLife"}, "Project Life, Years", "Whole years from 1 to 100. Empty: 15."},
    {{"txtCaseDiscountRate"}, "Discount Rate, %", "For the net present value. Empty: 8 %."},
    {{"txtCaseCo2Factor"},
     "CO2 Factor, lb per kWh",
     "Empty: 0.81, the U.S. average of 2023 (EIA). A state or eGRID subregion rate fits a "
     "plant better."},
    {{"txtCaseCo2Source"}, "Source of the Factor", "Printed beneath the CO2 figures."},
};

// A motion's fields as heard: the motion, the quantity and the unit.
#define SPOKEN_MOTION_FIELDS(M, Name, Distance)                                                    \
    {{"txtNumMotor" #M}, Name " number of motors", ""},                                            \
        {{"txtMotorVolts" #M}, Name " motor voltage, volts", ""},                                  \
        {{"txtMotorFLCAmps" #M}, Name " motor full load current, amps", ""},                       \
        {{"txtHoistFPM" #M}, Name " speed, feet per minute", ""},                                  \
        {{"txtLiftDistance" #M}, Name " " Distance " distance, feet", ""},                         \
        {{"txtDutyCycle" #M, 1}, Name " step 1 time, seconds", ""},                                \
        {{"txtDutyCycle" #M, 2}, Name " step 2 time, seconds", ""},                                \
        {{"txtDutyCycle" #M, 3}, Name " step 3 time, seconds", ""},                                \
        {{"txtDutyCycle" #M, 4}, Name " step 4 time, seconds", ""}, {                              \
        {"txtDutyCycle" #M, 5}, Name " step 5 time, seconds", ""                                   \
    }

constexpr SpokenControl kSpoken[] = {
    {{ctl::cmbHelp}, "Help topic", ""},
    {{"txtKwHrRate"}, "Electricity rate, dollars per kWh", ""},
    SPOKEN_MOTION_FIELDS(Hoist, "Hoist", "lift"),
    SPOKEN_MOTION_FIELDS(Trolley, "Trolley", "travel"),
    SPOKEN_MOTION_FIELDS(Bridge, "Bridge", "travel"),
    {{"cmbHoistNemaSize"}, "Hoist contactor NEMA size", ""},
    {{"cmbTrolleyNemaSize"}, "Trolley contactor NEMA size", ""},
    {{"cmbBridgeNemaSize"}, "Bridge contactor NEMA size", ""},
    {{ctl::cmdPrintHelp}, "", "Prints the help pages."},
    {{ctl::cmdRealTimeSummary}, "", "Recalculates the savings and goes to the total."},
};

#undef SPOKEN_MOTION_FIELDS

} // namespace

std::span<const ControlCaption> mainFormCaptions() {
    return kCaptions;
}

std::span<const ControlCaption> businessCaseCaptions() {
    return kBusinessCaseCaptions;
}

std::optional<ControlCaption> captionOf(ControlRef control) {
    for (const auto table : {mainFormCaptions(), businessCaseCaptions()}) {
        for (const ControlCaption& c : table) {
            if (c.control == control) {
                return c;
            }
        }
    }
    return std::nullopt;
}

std::optional<SpokenControl> spokenOf(ControlRef control) {
    for (const SpokenControl& s : kSpoken) {
        if (s.control == control) {
            return s;
        }
    }
    return std::nullopt;
}

} // namespace payvanta::ui
