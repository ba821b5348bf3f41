#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::files {

// The items of the eight selection lists, built from the four tables beside the program.
struct SelectionLists {
    std::vector<std::string> cmbStateKw;
    std::vector<std::string> cmbHoistNemaSize;
    std::vector<std::string> cmbTrolleyNemaSize;
    std::vector<std::string> cmbBridgeNemaSize;
    std::vector<std::string> cmbBrakeSize;
    std::vector<std::string> cmbHoistMotor;
    std::vector<std::string> cmbTrolleyMotor;
    std::vector<std::string> cmbBridgeMotor;
};

// What reading the tables needs of the window: the message box and the progress bar.
class TableHost {
public:
    virtual ~TableHost() = default;
    virtual void message(std::string_view /*text*/) {}
    virtual void progress(int /*value*/) {}
};

inline constexpr std::string_view kMotorCatalogueFile = "MillMoto.ini";
inline constexpr std::string_view kUtilityRatesFile = "UtilRate.ini";
inline constexpr std::string_view kShoeCostsFile = "ShoeCost.ini";
inline constexpr std::string_view kTipCostsFile = "TipCosts.ini";

inline constexpr std::string_view kHalfHourRating = "\u00BD Hour Rating";
inline constexpr std::string_view kOneHourRating = "1 Hour Rating";

// Each reads its table from the program folder and appends its items, in file order.
// A table that cannot be read, or a row with too few fields, is reported with the file
// name (and the line) and left out; the rest is still read.
void LoadUtilityRates(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host);
void LoadTipCosts(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host);
void LoadShoeCosts(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host);
void LoadMotorCatalogue(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host);

// The four in the order a project is opened with: rates, tips, shoes, motors.
void LoadReferenceTables(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host);

// Removes every tab wherever it stands, then leading and trailing spaces. The text is
// changed in place and returned.
std::string StripTabs(std::string& text);

// "Frame 802 Motor 50HP ½ Hour Rating ~ 230 ~ 180 ~ 2 ~ 4": the description, then volts,
// amperes, NEMA size and, only when there is one, the brake size.
std::string FormatMotorItem(std::string_view dutyType, std::string_view frame,
                            std::string_view horsepower, std::string_view volts,
                            std::string_view amperes, std::string_view nemaSize,
                            std::string_view brakeSize);

std::string unknownDutyTypeMessage(std::string_view dutyType);

} // namespace payvanta::files
