#pragma once

#include <string_view>

// The control names of the report items that more than the builder of their page reads.
// Each is the item's object name in the report window and its key in payvanta-calc's
// JSON, so the spelling is the one those show.
namespace payvanta::reports::names {

// The heading block of the drawn pages: the logo, the date, the customer and the project.
inline constexpr std::string_view Image1 = "Image1";
inline constexpr std::string_view lblDate = "lblDate";
inline constexpr std::string_view txtCustomer = "txtCustomer";
inline constexpr std::string_view txtProject = "txtProject";
// The heading lines (company, product, title) on all but the inventory page; the printed
// summary copies the savings page's.
inline constexpr std::string_view Label31 = "Label31";
inline constexpr std::string_view Label30 = "Label30";
inline constexpr std::string_view Label32 = "Label32";

// The savings page's amounts (which the business case shows under the same names), the
// frame around the total, and the further savings under their heading: the printed
// summary draws them at places of its own.
inline constexpr std::string_view txtEnergy = "txtEnergy";
inline constexpr std::string_view txtMaintenance = "txtMaintenance";
inline constexpr std::string_view txtInventory = "txtInventory";
inline constexpr std::string_view txtTotal = "txtTotal";
inline constexpr std::string_view shpTotal = "shpTotal";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view lblOutput = "lblOutput";

// The page label of every page, which a print run fills with "Page n of 7".
inline constexpr std::string_view lblPage = "lblPage";
// The motion pages' print button, which the report window connects to printing.
inline constexpr std::string_view cmdPrintForm = "cmdPrintForm";

} // namespace payvanta::reports::names
