#pragma once

#include "failure.h"

#include <array>
#include <cstddef>
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

// Something in a table that kept a row, or the whole table, out of its list. The form
// tells the user; reading goes on with the next row. Only the first few rows of a table
// are told one by one; one more problem counts the rows left out after them.
struct TableProblem {
    enum class Kind {
        Unreadable,      // the table could not be read at all (see failure)
        ShortRow,        // a row with fewer fields than the table reads
        UnknownDutyType, // a motor row whose duty type is neither rating
        MoreRowsSkipped, // so many rows more (see rowsSkipped)
    };
    Kind kind = Kind::Unreadable;
    std::string fileName;
    Failure failure;              // Unreadable
    std::size_t line = 0;         // ShortRow
    std::size_t fields = 0;       // ShortRow: the fields the row has
    std::size_t fieldsNeeded = 0; // ShortRow
    std::string dutyType;         // UnknownDutyType
    std::size_t rowsSkipped = 0;  // MoreRowsSkipped
};

// The rows of one table told one by one, before the rest are only counted.
inline constexpr std::size_t kRowProblemsTold = 5;

using TableProblems = std::vector<TableProblem>;

inline constexpr std::string_view kMotorCatalogueFile = "MillMoto.ini";
inline constexpr std::string_view kUtilityRatesFile = "UtilRate.ini";
inline constexpr std::string_view kShoeCostsFile = "ShoeCost.ini";
inline constexpr std::string_view kTipCostsFile = "TipCosts.ini";

inline constexpr std::string_view kHalfHourRating = "\u00BD Hour Rating";
inline constexpr std::string_view kOneHourRating = "1 Hour Rating";

// Each reads its table from the program folder and appends its items, in file order.
// A table that cannot be read, or a row that cannot become an item, is left out and
// given back as a problem, in file order; the rest is still read.
TableProblems loadUtilityRates(const std::filesystem::path& folder, SelectionLists& lists);
TableProblems loadTipCosts(const std::filesystem::path& folder, SelectionLists& lists);
TableProblems loadShoeCosts(const std::filesystem::path& folder, SelectionLists& lists);
TableProblems loadMotorCatalogue(const std::filesystem::path& folder, SelectionLists& lists);

// The four tables, read in the order a project is opened with (utility rates, tip costs,
// shoe costs, motor catalogue), with the problems of each in that order.
struct ReferenceTables {
    SelectionLists lists;
    std::array<TableProblems, 4> problems;
};
ReferenceTables loadReferenceTables(const std::filesystem::path& folder);

// Removes every tab wherever it stands, then leading and trailing spaces. The text is
// changed in place and returned.
std::string stripTabs(std::string& text);

// "Frame 802 Motor 50HP ½ Hour Rating ~ 230 ~ 180 ~ 2 ~ 4": the description, then volts,
// amperes, NEMA size and, only when there is one, the brake size.
std::string formatMotorItem(std::string_view dutyType, std::string_view frame,
                            std::string_view horsepower, std::string_view volts,
                            std::string_view amperes, std::string_view nemaSize,
                            std::string_view brakeSize);

} // namespace payvanta::files
