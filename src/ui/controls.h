#pragma once

#include "model/business_case_inputs.h"
#include "model/field.h"

#include <optional>
#include <string>
#include <string_view>

// The names of the main form's controls. The window gives its widgets these names, and
// every event and view call names its control by them.
namespace payvanta::ui {

// A control, with the index of its element for the control arrays (the duty-cycle boxes
// 1 to 5, the frames 1 to 6, the print-font menu items 0 to 10); 0 for a single control.
struct ControlRef {
    std::string_view name;
    int index = 0;

    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// The name a control goes by in the window and in tests: its name, and for an element of
// a control array its index in parentheses ("txtDutyCycleHoist(5)", "Frame1(3)"). The
// print-font items are always indexed ("mnuFont(0)").
std::string controlName(ControlRef control);

namespace ctl {
inline constexpr std::string_view frmMain = "frmMain";
inline constexpr std::string_view cmdNewFile = "cmdNewFile";
inline constexpr std::string_view cmdExistingFile = "cmdExistingFile";
// The Save Data button: it saves the project file. Tests and the window find it by
// this object name.
inline constexpr std::string_view cmdSaveExcel = "cmdSaveExcel";
inline constexpr std::string_view cmdPrintSummary = "cmdPrintSummary";
inline constexpr std::string_view cmdPrintAll = "cmdPrintAll";
inline constexpr std::string_view cmdPrintHelp = "cmdPrintHelp";
inline constexpr std::string_view cmdRealTimeSummary = "cmdRealTimeSummary";
inline constexpr std::string_view cmdClose = "cmdClose";
inline constexpr std::string_view TabStrip1 = "TabStrip1";
inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view ProgressBar1 = "ProgressBar1";
inline constexpr std::string_view lblFileName = "lblFileName";
inline constexpr std::string_view lblSummaryEnergy = "lblSummaryEnergy";
// Spelled with one "m": the label's object name, which the JSON output uses as its key.
inline constexpr std::string_view lblSumaryMaintenance = "lblSumaryMaintenance";
inline constexpr std::string_view lblSummaryInventory = "lblSummaryInventory";
inline constexpr std::string_view lblSummaryTotal = "lblSummaryTotal";
inline constexpr std::string_view cmbHelp = "cmbHelp";
inline constexpr std::string_view txtHelp = "txtHelp";
inline constexpr std::string_view txtElectricalLife = "txtElectricalLife";
inline constexpr std::string_view fraRealTimeSummary = "fraRealTimeSummary";
// Menus and their items.
inline constexpr std::string_view mnuFile = "mnuFile";
inline constexpr std::string_view mnuOpenNewFile = "mnuOpenNewFile";
inline constexpr std::string_view mnuOpenExistingFile = "mnuOpenExistingFile";
inline constexpr std::string_view mnuSaveData = "mnuSaveData";
inline constexpr std::string_view mnuPrintHelpFile = "mnuPrintHelpFile";
inline constexpr std::string_view mnuPrintSummary = "mnuPrintSummary";
inline constexpr std::string_view mnuPrintAll = "mnuPrintAll";
inline constexpr std::string_view mnuSaveAsPdf = "mnuSaveAsPdf";
inline constexpr std::string_view mnuExit = "mnuExit";
inline constexpr std::string_view mnuView = "mnuView";
inline constexpr std::string_view mnuHoist = "mnuHoist";
inline constexpr std::string_view mnuTrolley = "mnuTrolley";
inline constexpr std::string_view mnuBridge = "mnuBridge";
inline constexpr std::string_view mnuInventory = "mnuInventory";
inline constexpr std::string_view mnuMaintenance = "mnuMaintenance";
inline constexpr std::string_view mnuEnergy = "mnuEnergy";
inline constexpr std::string_view mnuSavings = "mnuSavings";
// Beyond the seven reports: the business case, last in the View menu.
inline constexpr std::string_view mnuBusinessCase = "mnuBusinessCase";
// The frame of the business-case inputs at the top of its window.
inline constexpr std::string_view fraBusinessCase = "fraBusinessCase";
inline constexpr std::string_view mnuPrinterFonts = "mnuPrinterFonts";
// The items of the "Printer-Fonts" menu, a control array indexed like kPrintFontChoices.
// The tab strip's tabs are indexed 1 to 6 like the frames they show.
inline constexpr std::string_view mnuFont = "mnuFont";
} // namespace ctl

// Tabs of the main form, by index.
namespace tab {
inline constexpr int Help = 1;
inline constexpr int ProjectInformation = 2;
inline constexpr int Hoist = 3;
inline constexpr int Trolley = 4;
inline constexpr int Bridge = 5;
inline constexpr int InventoryCosts = 6;
} // namespace tab

// The control that shows a field; the print settings have none (an empty name).
ControlRef controlOf(Field field);

// The field a control shows, if it shows one.
std::optional<Field> fieldOf(ControlRef control);

// The tab whose frame holds the field's control.
int tabOf(Field field);

// The tab of a motion: 3 hoist, 4 trolley, 5 bridge.
int tabOf(Motion m);

// The box of a business-case input in its window: "txtCaseDriveCost", "txtCaseProjectLife",
// ...; and the input such a box shows.
ControlRef controlOf(CaseInput input);
std::optional<CaseInput> caseInputOf(ControlRef control);

} // namespace payvanta::ui
