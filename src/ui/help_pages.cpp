#include "help_pages.h"

#include <cstddef>
#include <initializer_list>
#include <span>

namespace payvanta::ui {

namespace {

// One line of a help page: the spaces in front of it and its text. A few lines end with a
// space of their own; it is part of the text.
struct HelpLine {
    int indent;
    std::string_view text;
};

constexpr HelpLine kEmpty{0, ""};

using Lines = std::span<const HelpLine>;

// Joins the lines of one or more blocks into one page, with no break after the last line.
std::string joinLines(std::initializer_list<Lines> blocks, std::string_view lineBreak) {
    std::string page;
    bool first = true;
    for (const Lines block : blocks) {
        for (const HelpLine& line : block) {
            if (!first) {
                page += lineBreak;
            }
            first = false;
            page.append(static_cast<std::size_t>(line.indent), ' ');
            page += line.text;
        }
    }
    return page;
}

constexpr HelpLine kGettingStarted[]{
    {5, "Getting Started"},
    kEmpty,
    {0, "Welcome to the Stravolux QVR Payvanta."},
    kEmpty,
    {0, "This program compares the performance of the Stravolux QVR to traditional"},
    {0, "DCCP control and calculates the estimated savings for energy, and other"},
    {0, "cost avoidance associated with maintenance operations."},
    kEmpty,
    {0, "Before using the Stravolux QVR Payvanta, you must first"},
    {0, "open either a NEW or EXISTING file by clicking on one of the buttons below."},
    kEmpty,
    {0, "For detailed instructions, choose a HELP topic from the drop down list above."},
};

constexpr HelpLine kProjectInformation[]{
    {5, "Project Information"},
    kEmpty,
    {0, "1: Click on the PROJECT INFORMATION TAB."},
    {0, "2: Type in the project and customer name in the PROJECT NAME"},
    {5, "and CUSTOMER NAME boxes."},
    {0, "3: If energy rate ($ / KW-HR) is not known, select an average value"},
    {5, "from the STATE drop down box. The value will appear in the"},
    {5, "KW-HR RATE box, and be used in the energy savings calculation. If"},
    {5, "the energy rate is known, then enter the $ amount in the KW-HR RATE box."},
    {0, "4: The Stravolux QVR Payvanta considers crane duty cycle"},
    {5, "information. The value used in the calculations is the number of"},
    {5, "'Lifts per Turn' made by the crane hoist. "},
    {5, "The program assumes 3 turns per day."},
    {5, "Enter this duty cycle rate in the NUMBER OF LIFTS PER TURN box."},
    {0, "5: The program considers the cost of maintenance labor used to renew"},
    {5, "wearable components associated with the DCCP control. Enter the"},
    {5, "appropriate hourly rate in the MAINTENANCE LABOR RATE box."},
    {0, "6: The program considers the life of contactor tips and defaults to"},
    {5, "100,000 cycles. If you wish to use another value, enter this in the"},
    {5, "CONTACTOR TIP ELECTRICAL LIFE box."},
};

// The hoist, trolley and bridge pages differ only in their heading and their first steps.
constexpr HelpLine kNoMotion{
    0, "2: If motion is not considered, select 'None' from the drop down list."};

constexpr HelpLine kHoistSteps[]{
    {4, "Hoist Tab"},
    kEmpty,
    // "\xC2\xBD" is the one-half sign in UTF-8.
    {0, "1: Select the appropriate \xC2\xBD hour rated motor from the drop down list."},
    kNoMotion,
    {0, "3: Enter the hoist speed in feet per minute in the HOIST FPM box."},
    {0, "4: Enter the hoist lift distance in feet in the LIFT DISTANCE box."},
};

constexpr HelpLine kTrolleyHeading[]{{5, "Trolley Tab"}, kEmpty};
constexpr HelpLine kBridgeHeading[]{{5, "Bridge Tab"}, kEmpty};

constexpr HelpLine kTravelSteps[]{
    {0, "1: Select the appropriate 1 hour rated motor from the drop down list."},
    kNoMotion,
    {0, "3: Enter the travel speed in feet per minute in the TRAVEL FPM box."},
    {0, "4: Enter the travel distance in feet in the TRAVEL DISTANCE box."},
};

constexpr HelpLine kDutyCycleSteps[]{
    {0, "5: Enter the time spent in each speed point in the DUTY CYCLE TIME boxes."},
    {4, "The model assumes full on and off duty cycles. This produces"},
    {4, "the minimum energy savings. The most significant energy"},
    {4, "savings occur in the speed points 1 through 4."},
    {4, "A one-second time interval is suggested for steps 1 through 4."},
    kEmpty,
    {0, "NOTE 1: The 5th DUTY CYCLE is calculated from the first four automatically."},
    kEmpty,
    {0, "NOTE 2: Each DUTY CYCLE may not be less than 0.25."},
};

constexpr HelpLine kInventoryCosts[]{
    {5, "Inventory Costs tab."},
    kEmpty,
    {0, "1: The program automatically assigns the NEMA contactor size appropriate"},
    {4, "for the motor selected and indicates typical costing for a set of"},
    {4, "replacement tips. The tip costs, however, can be manually entered"},
    {4, "if desired in the CONTACT TIP COST box."},
    {0, "2: For hoist motions, choose BRAKE SIZE from the drop down list."},
    {4, "This will automatically populate the BRAKE SHOE COST box, "},
    {4, "and indicate typical costing for a replacement shoe."},
    {4, "Again, actual costs may be entered if desired."},
};

constexpr HelpLine kSavePrint[]{
    {4, "Saving and Printing."},
    kEmpty,
    {0, "1: You can save your work at any time by clicking the"},
    {4, "'Save Data' button on the bottom."},
    {0, "2: Printing a report can be done by clicking on the 'Print Summary'"},
    {4, "or 'Print All' button. Each report can be printed individually"},
    {4, "using the print command at the top of each report."},
    {0, "3: Viewing a report can be done at any time."},
    {4, "Click 'View' from the menu bar, and select the report of your choice."},
    {4, "To get back to the main form, use the report's 'Back' command,"},
    {4, "or simply close the report you are viewing."},
    {0, "4: Copying the reports into Word or other programs can be done"},
    {4, "by using the [Alt] + [Print Screen] buttons on the keyboard"},
    {4, "to copy the active report, then [Ctrl] + [v] to paste your copy."},
    {0, "5: If the default font does not produce good results on your printer,"},
    {4, "click 'Printer-Fonts' from the menu bar, and select another option."},
    {4, "The font selected will only be used when printing."},
};

// n line breaks in a row.
std::string breaks(int count, std::string_view lineBreak) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += lineBreak;
    }
    return text;
}

// The last line of a printed help page, "Page n of 3" set in by 22 spaces.
std::string printedFooter(int pageNumber) {
    return std::string(22, ' ') + "Page " + std::to_string(pageNumber) + " of 3";
}

} // namespace

std::string helpGettingStarted(std::string_view lineBreak) {
    return joinLines({kGettingStarted}, lineBreak);
}

std::string helpProjectInformation(std::string_view lineBreak) {
    return joinLines({kProjectInformation}, lineBreak);
}

std::string helpHoist(std::string_view lineBreak) {
    return joinLines({kHoistSteps, kDutyCycleSteps}, lineBreak);
}

std::string helpTrolley(std::string_view lineBreak) {
    return joinLines({kTrolleyHeading, kTravelSteps, kDutyCycleSteps}, lineBreak);
}

std::string helpBridge(std::string_view lineBreak) {
    return joinLines({kBridgeHeading, kTravelSteps, kDutyCycleSteps}, lineBreak);
}

std::string helpInventoryCosts(std::string_view lineBreak) {
    return joinLines({kInventoryCosts}, lineBreak);
}

std::string helpSavePrint(std::string_view lineBreak) {
    return joinLines({kSavePrint}, lineBreak);
}

std::string helpPage(int topicIndex, std::string_view lineBreak) {
    switch (topicIndex) {
    case 1:
        return helpProjectInformation(lineBreak);
    case 2:
        return helpHoist(lineBreak);
    case 3:
        return helpTrolley(lineBreak);
    case 4:
        return helpBridge(lineBreak);
    case 5:
        return helpInventoryCosts(lineBreak);
    case 6:
        return helpSavePrint(lineBreak);
    default:
        return helpGettingStarted(lineBreak);
    }
}

std::array<std::string, 3> printedHelpPages(std::string_view lineBreak) {
    const auto br = [lineBreak](int count) { return breaks(count, lineBreak); };
    return {
        br(1) + helpGettingStarted(lineBreak) + br(2) + helpProjectInformation(lineBreak) + br(3) +
            helpHoist(lineBreak) + br(2) + printedFooter(1),
        br(2) + helpTrolley(lineBreak) + br(3) + helpBridge(lineBreak) + br(3) +
            helpInventoryCosts(lineBreak) + br(3) + printedFooter(2),
        br(4) + helpSavePrint(lineBreak) + br(5) + printedFooter(3),
    };
}

} // namespace payvanta::ui
