#include "ui/help_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace payvanta::ui;

namespace {

using Lines = std::vector<std::string>;

std::string join(const Lines& lines, std::string_view lineBreak) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i > 0 ? std::string(lineBreak) : std::string()) + lines[i];
    }
    return text;
}

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Lines blank(std::size_t count) {
    return Lines(count, "");
}

// The pages as the user reads them, one entry per line, indent included.
const Lines kGettingStarted{
    "     Getting Started",
    "",
    "Welcome to the Stravolux QVR Payvanta.",
    "",
    "This program compares the performance of the Stravolux QVR to traditional",
    "DCCP control and calculates the estimated savings for energy, and other",
    "cost avoidance associated with maintenance operations.",
    "",
    "Before using the Stravolux QVR Payvanta, you must first",
    "open either a NEW or EXISTING file by clicking on one of the buttons below.",
    "",
    "For detailed instructions, choose a HELP topic from the drop down list above.",
};

const Lines kProjectInformation{
    "     Project Information",
    "",
    "1: Click on the PROJECT INFORMATION TAB.",
    "2: Type in the project and customer name in the PROJECT NAME",
    "     and CUSTOMER NAME boxes.",
    "3: If energy rate ($ / KW-HR) is not known, select an average value",
    "     from the STATE drop down box. The value will appear in the",
    "     KW-HR RATE box, and be used in the energy savings calculation. If",
    "     the energy rate is known, then enter the $ amount in the KW-HR RATE box.",
    "4: The Stravolux QVR Payvanta considers crane duty cycle",
    "     information. The value used in the calculations is the number of",
    "     'Lifts per Turn' made by the crane hoist. ",
    "     The program assumes 3 turns per day.",
    "     Enter this duty cycle rate in the NUMBER OF LIFTS PER TURN box.",
    "5: The program considers the cost of maintenance labor used to renew",
    "     wearable components associated with the DCCP control. Enter the",
    "     appropriate hourly rate in the MAINTENANCE LABOR RATE box.",
    "6: The program considers the life of contactor tips and defaults to",
    "     100,000 cycles. If you wish to use another value, enter this in the",
    "     CONTACTOR TIP ELECTRICAL LIFE box.",
};

const Lines kHoist{
    "    Hoist Tab",
    "",
    "1: Select the appropriate \xC2\xBD hour rated motor from the drop down list.",
    "2: If motion is not considered, select 'None' from the drop down list.",
    "3: Enter the hoist speed in feet per minute in the HOIST FPM box.",
    "4: Enter the hoist lift distance in feet in the LIFT DISTANCE box.",
    "5: Enter the time spent in each speed point in the DUTY CYCLE TIME boxes.",
    "    The model assumes full on and off duty cycles. This produces",
    "    the minimum energy savings. The most significant energy",
    "    savings occur in the speed points 1 through 4.",
    "    A one-second time interval is suggested for steps 1 through 4.",
    "",
    "NOTE 1: The 5th DUTY CYCLE is calculated from the first four automatically.",
    "",
    "NOTE 2: Each DUTY CYCLE may not be less than 0.25.",
};

const Lines kTrolley{
    "     Trolley Tab",
    "",
    "1: Select the appropriate 1 hour rated motor from the drop down list.",
    "2: If motion is not considered, select 'None' from the drop down list.",
    "3: Enter the travel speed in feet per minute in the TRAVEL FPM box.",
    "4: Enter the travel distance in feet in the TRAVEL DISTANCE box.",
    "5: Enter the time spent in each speed point in the DUTY CYCLE TIME boxes.",
    "    The model assumes full on and off duty cycles. This produces",
    "    the minimum energy savings. The most significant energy",
    "    savings occur in the speed points 1 through 4.",
    "    A one-second time interval is suggested for steps 1 through 4.",
    "",
    "NOTE 1: The 5th DUTY CYCLE is calculated from the first four automatically.",
    "",
    "NOTE 2: Each DUTY CYCLE may not be less than 0.25.",
};

const Lines kBridge{
    "     Bridge Tab",
    "",
    "1: Select the appropriate 1 hour rated motor from the drop down list.",
    "2: If motion is not considered, select 'None' from the drop down list.",
    "3: Enter the travel speed in feet per minute in the TRAVEL FPM box.",
    "4: Enter the travel distance in feet in the TRAVEL DISTANCE box.",
    "5: Enter the time spent in each speed point in the DUTY CYCLE TIME boxes.",
    "    The model assumes full on and off duty cycles. This produces",
    "    the minimum energy savings. The most significant energy",
    "    savings occur in the speed points 1 through 4.",
    "    A one-second time interval is suggested for steps 1 through 4.",
    "",
    "NOTE 1: The 5th DUTY CYCLE is calculated from the first four automatically.",
    "",
    "NOTE 2: Each DUTY CYCLE may not be less than 0.25.",
};

const Lines kInventoryCosts{
    "     Inventory Costs tab.",
    "",
    "1: The program automatically assigns the NEMA contactor size appropriate",
    "    for the motor selected and indicates typical costing for a set of",
    "    replacement tips. The tip costs, however, can be manually entered",
    "    if desired in the CONTACT TIP COST box.",
    "2: For hoist motions, choose BRAKE SIZE from the drop down list.",
    "    This will automatically populate the BRAKE SHOE COST box, ",
    "    and indicate typical costing for a replacement shoe.",
    "    Again, actual costs may be entered if desired.",
};

const Lines kSavePrint{
    "    Saving and Printing.",
    "",
    "1: You can save your work at any time by clicking the",
    "    'Save Data' button on the bottom.",
    "2: Printing a report can be done by clicking on the 'Print Summary'",
    "    or 'Print All' button. Each report can be printed individually",
    "    using the print command at the top of each report.",
    "3: Viewing a report can be done at any time.",
    "    Click 'View' from the menu bar, and select the report of your choice.",
    "    To get back to the main form, use the report's 'Back' command,",
    "    or simply close the report you are viewing.",
    "4: Copying the reports into Word or other programs can be done",
    "    by using the [Alt] + [Print Screen] buttons on the keyboard",
    "    to copy the active report, then [Ctrl] + [v] to paste your copy.",
    "5: If the default font does not produce good results on your printer,",
    "    click 'Printer-Fonts' from the menu bar, and select another option.",
    "    The font selected will only be used when printing.",
};

struct PageCase {
    const char* name;
    std::string (*page)(std::string_view);
    const Lines* expected;
    int topicIndex;
};

const PageCase kPages[]{
    {"GettingStarted", HelpGettingStarted, &kGettingStarted, 0},
    {"ProjectInformation", HelpProjectInformation, &kProjectInformation, 1},
    {"Hoist", HelpHoist, &kHoist, 2},
    {"Trolley", HelpTrolley, &kTrolley, 3},
    {"Bridge", HelpBridge, &kBridge, 4},
    {"InventoryCosts", HelpInventoryCosts, &kInventoryCosts, 5},
    {"SavePrint", HelpSavePrint, &kSavePrint, 6},
};

class HelpPagesText : public ::testing::TestWithParam<PageCase> {};

// Character for character, trailing spaces and the one-half sign included, with the
// lines joined by CR LF unless another break is given.
TEST_P(HelpPagesText, reads_exactly_as_written_and_is_the_page_of_its_topic) {
    const PageCase& c = GetParam();
    const std::string expected = join(*c.expected, "\r\n");
    EXPECT_EQ(c.page("\r\n"), expected);
    EXPECT_EQ(helpPage(c.topicIndex), expected);
    EXPECT_EQ(c.page("\n"), join(*c.expected, "\n"));
}

INSTANTIATE_TEST_SUITE_P(Topics, HelpPagesText, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(HelpPages, the_topic_list_names_the_seven_pages_and_any_other_index_gives_the_first) {
    const std::vector<std::string_view> topics(kHelpTopics.begin(), kHelpTopics.end());
    EXPECT_EQ(topics, (std::vector<std::string_view>{"Getting Started", "Project Information",
                                                     "Hoist", "Trolley", "Bridge",
                                                     "Inventory Costs", "Saving and Printing"}));
    for (const int index : {-1, 7, INT_MAX}) {
        EXPECT_EQ(helpPage(index), join(kGettingStarted, "\r\n")) << index;
    }
}

TEST(HelpPages, the_three_printed_pages_put_the_pages_and_footers_in_their_places) {
    // n line breaks after a page leave n - 1 empty lines; a printed page's leading breaks
    // give as many empty lines at its top.
    const auto footer = [](int n) {
        return Lines{"                      Page " + std::to_string(n) + " of 3"};
    };
    const std::array<Lines, 3> expected{
        concat({blank(1), kGettingStarted, blank(1), kProjectInformation, blank(2), kHoist,
                blank(1), footer(1)}),
        concat({blank(2), kTrolley, blank(2), kBridge, blank(2), kInventoryCosts, blank(2),
                footer(2)}),
        concat({blank(4), kSavePrint, blank(4), footer(3)}),
    };
    const std::array<std::string, 3> printed = printedHelpPages();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(printed[i], join(expected[i], "\r\n")) << "page " << i + 1;
    }
}

} // namespace
