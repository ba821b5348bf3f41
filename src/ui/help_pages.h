#pragma once

#include <array>
#include <string>
#include <string_view>

namespace payvanta::ui {

// The topics of the help list cmbHelp, top to bottom.
inline constexpr std::array<std::string_view, 7> kHelpTopics{
    "Getting Started", "Project Information", "Hoist", "Trolley", "Bridge",
    "Inventory Costs", "Saving and Printing",
};

// Each page is its lines joined by the line break, with no break after the last line.
std::string helpGettingStarted(std::string_view lineBreak = "\r\n");
std::string helpProjectInformation(std::string_view lineBreak = "\r\n");
std::string helpHoist(std::string_view lineBreak = "\r\n");
std::string helpTrolley(std::string_view lineBreak = "\r\n");
std::string helpBridge(std::string_view lineBreak = "\r\n");
std::string helpInventoryCosts(std::string_view lineBreak = "\r\n");
std::string helpSavePrint(std::string_view lineBreak = "\r\n");

// The page of a topic index 0 to 6; any other index gives "Getting Started".
std::string helpPage(int topicIndex, std::string_view lineBreak = "\r\n");

// The three printed help pages, each the text of one printed page (its lines joined by
// the line break), the footer "Page n of 3" included.
std::array<std::string, 3> printedHelpPages(std::string_view lineBreak = "\r\n");

} // namespace payvanta::ui
