#include "help_pages.h"

// Placeholder: the page texts are being written.
namespace payvanta::ui {
std::string HelpGettingStarted(std::string_view) { return {}; }
std::string HelpProjectInformation(std::string_view) { return {}; }
std::string HelpHoist(std::string_view) { return {}; }
std::string HelpTrolley(std::string_view) { return {}; }
std::string HelpBridge(std::string_view) { return {}; }
std::string HelpInventoryCosts(std::string_view) { return {}; }
std::string HelpSavePrint(std::string_view) { return {}; }
std::string helpPage(int, std::string_view) { return {}; }
std::array<std::string, 3> printedHelpPages(std::string_view) { return {}; }
} // namespace payvanta::ui
