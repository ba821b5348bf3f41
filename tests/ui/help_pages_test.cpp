#include "ui/help_pages.h"

#include <array>
#include <climits>
#include <cstddef>
#include <gtest/gtest.h>
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
        if (i > 0) {
            text += lineBreak;
        }
        text += lines[i];
    }
    return text;
}

Lines split(const std::string& text, std::string_view lineBreak) {
    Lines lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(lineBreak, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + lineBreak.size();
    }
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
    std::size_t lineCount;
    int topicIndex;
};

const PageCase kPages[]{
    {"GettingStarted", HelpGettingStarted, &kGettingStarted, 12, 0},
    {"ProjectInformation", HelpProjectInformation, &kProjectInformation, 20, 1},
    {"Hoist", HelpHoist, &kHoist, 15, 2},
    {"Trolley", HelpTrolley, &kTrolley, 15, 3},
    {"Bridge", HelpBridge, &kBridge, 15, 4},
    {"InventoryCosts", HelpInventoryCosts, &kInventoryCosts, 10, 5},
    {"SavePrint", HelpSavePrint, &kSavePrint, 17, 6},
};

class HelpPagesText : public ::testing::TestWithParam<PageCase> {};

TEST_P(HelpPagesText, reads_exactly_as_written_line_for_line) {
    const PageCase& c = GetParam();
    ASSERT_EQ(c.expected->size(), c.lineCount) << "expected lines of " << c.name;

    const std::string text = c.page("\r\n");
    const Lines lines = split(text, "\r\n");
    ASSERT_EQ(lines.size(), c.lineCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], (*c.expected)[i]) << "line " << i + 1;
    }
    EXPECT_EQ(text, join(*c.expected, "\r\n"));
}

TEST_P(HelpPagesText, joins_its_lines_with_the_given_line_break) {
    const PageCase& c = GetParam();
    const std::string text = c.page("\n");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text, join(*c.expected, "\n"));
    EXPECT_EQ(c.page("<br>"), join(*c.expected, "<br>"));
}

TEST_P(HelpPagesText, is_the_page_of_its_topic_index) {
    const PageCase& c = GetParam();
    EXPECT_EQ(helpPage(c.topicIndex), join(*c.expected, "\r\n"));
    EXPECT_EQ(helpPage(c.topicIndex, "\n"), join(*c.expected, "\n"));
}

INSTANTIATE_TEST_SUITE_P(Topics, HelpPagesText, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(HelpPages, topic_list_names_the_seven_pages_in_order) {
    const std::vector<std::string_view> topics(kHelpTopics.begin(), kHelpTopics.end());
    EXPECT_EQ(topics, (std::vector<std::string_view>{"Getting Started", "Project Information",
                                                     "Hoist", "Trolley", "Bridge",
                                                     "Inventory Costs", "Saving and Printing"}));
}

TEST(HelpPages, every_page_breaks_its_lines_with_crlf_unless_told_otherwise) {
    EXPECT_EQ(HelpGettingStarted(), join(kGettingStarted, "\r\n"));
    EXPECT_EQ(HelpProjectInformation(), join(kProjectInformation, "\r\n"));
    EXPECT_EQ(HelpHoist(), join(kHoist, "\r\n"));
    EXPECT_EQ(HelpTrolley(), join(kTrolley, "\r\n"));
    EXPECT_EQ(HelpBridge(), join(kBridge, "\r\n"));
    EXPECT_EQ(HelpInventoryCosts(), join(kInventoryCosts, "\r\n"));
    EXPECT_EQ(HelpSavePrint(), join(kSavePrint, "\r\n"));
    EXPECT_EQ(helpPage(4), join(kBridge, "\r\n"));
}

TEST(HelpPages, an_index_outside_the_topic_list_gives_getting_started) {
    const std::string gettingStarted = join(kGettingStarted, "\r\n");
    for (const int index : {-1, 7, 8, 100, INT_MIN, INT_MAX}) {
        EXPECT_EQ(helpPage(index), gettingStarted) << "index " << index;
    }
    EXPECT_EQ(helpPage(-1, "\n"), join(kGettingStarted, "\n"));
}

TEST(HelpPages, only_two_lines_end_with_a_space_and_each_with_exactly_one) {
    std::vector<std::string> trailing;
    for (const PageCase& c : kPages) {
        const Lines lines = split(c.page("\r\n"), "\r\n");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (!line.empty() && line.back() == ' ') {
                trailing.push_back(std::string(c.name) + " " + std::to_string(i + 1));
                EXPECT_NE(line[line.size() - 2], ' ') << c.name << " line " << i + 1;
            }
        }
    }
    EXPECT_EQ(trailing, (std::vector<std::string>{"ProjectInformation 12", "InventoryCosts 8"}));

    const Lines info = split(HelpProjectInformation("\r\n"), "\r\n");
    EXPECT_EQ(info.at(11), "     'Lifts per Turn' made by the crane hoist. ");
    const Lines inventory = split(HelpInventoryCosts("\r\n"), "\r\n");
    EXPECT_EQ(inventory.at(7), "    This will automatically populate the BRAKE SHOE COST box, ");
}

TEST(HelpPages, the_half_hour_motor_is_written_with_the_utf8_one_half_sign) {
    const Lines hoist = split(HelpHoist("\r\n"), "\r\n");
    EXPECT_EQ(hoist.at(2), "1: Select the appropriate \xC2\xBD hour rated motor from the drop down "
                           "list.");
    // No other character of any page lies outside ASCII.
    for (const PageCase& c : kPages) {
        std::string text = c.page("\r\n");
        if (c.page == HelpHoist) {
            const std::size_t half = text.find("\xC2\xBD");
            ASSERT_NE(half, std::string::npos);
            text.erase(half, 2);
        }
        for (const char ch : text) {
            EXPECT_LT(static_cast<unsigned char>(ch), 0x80u) << c.name;
        }
    }
}

// The three printed pages, with the page texts in between as the user reads them.
const std::string kFooter1 = "                      Page 1 of 3";
const std::string kFooter2 = "                      Page 2 of 3";
const std::string kFooter3 = "                      Page 3 of 3";

Lines printedPage1() {
    return concat({blank(1),
                   kGettingStarted,
                   blank(1),
                   kProjectInformation,
                   blank(2),
                   kHoist,
                   blank(1),
                   {kFooter1}});
}

Lines printedPage2() {
    return concat(
        {blank(2), kTrolley, blank(2), kBridge, blank(2), kInventoryCosts, blank(2), {kFooter2}});
}

Lines printedPage3() {
    return concat({blank(4), kSavePrint, blank(4), {kFooter3}});
}

// The number of empty lines right before the only line equal to `line`.
std::size_t emptyLinesBefore(const Lines& lines, const std::string& line) {
    std::size_t at = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == line) {
            EXPECT_EQ(at, lines.size()) << "line occurs twice: " << line;
            at = i;
        }
    }
    EXPECT_LT(at, lines.size()) << "line not found: " << line;
    std::size_t count = 0;
    while (at < lines.size() && at > count && lines[at - count - 1].empty()) {
        ++count;
    }
    return count;
}

TEST(HelpPagesPrinted, each_page_reads_exactly_as_composed_line_for_line) {
    const std::array<std::string, 3> pages = printedHelpPages();
    const Lines expected[3]{printedPage1(), printedPage2(), printedPage3()};
    const std::size_t lineCounts[3]{53, 49, 26};
    for (std::size_t p = 0; p < 3; ++p) {
        SCOPED_TRACE("printed page " + std::to_string(p + 1));
        ASSERT_EQ(expected[p].size(), lineCounts[p]);
        const Lines lines = split(pages[p], "\r\n");
        ASSERT_EQ(lines.size(), lineCounts[p]);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], expected[p][i]) << "line " << i + 1;
        }
        EXPECT_EQ(pages[p], join(expected[p], "\r\n"));
    }
}

TEST(HelpPagesPrinted, first_page_opens_with_one_empty_line_then_getting_started) {
    const Lines lines = split(printedHelpPages()[0], "\r\n");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "     Getting Started");
    EXPECT_EQ(lines[2], "");
}

TEST(HelpPagesPrinted, each_page_ends_with_its_footer_and_no_line_break) {
    const std::array<std::string, 3> pages = printedHelpPages();
    const std::string footers[3]{kFooter1, kFooter2, kFooter3};
    for (std::size_t p = 0; p < 3; ++p) {
        ASSERT_GE(pages[p].size(), footers[p].size() + 2);
        EXPECT_EQ(pages[p].substr(pages[p].size() - footers[p].size() - 2), "\r\n" + footers[p]);
    }
}

TEST(HelpPagesPrinted, pages_are_separated_by_the_agreed_number_of_empty_lines) {
    const std::array<std::string, 3> pages = printedHelpPages();
    const Lines page1 = split(pages[0], "\r\n");
    EXPECT_EQ(emptyLinesBefore(page1, "     Getting Started"), 1u);
    EXPECT_EQ(emptyLinesBefore(page1, "     Project Information"), 1u);
    EXPECT_EQ(emptyLinesBefore(page1, "    Hoist Tab"), 2u);
    EXPECT_EQ(emptyLinesBefore(page1, kFooter1), 1u);

    const Lines page2 = split(pages[1], "\r\n");
    EXPECT_EQ(emptyLinesBefore(page2, "     Trolley Tab"), 2u);
    EXPECT_EQ(emptyLinesBefore(page2, "     Bridge Tab"), 2u);
    EXPECT_EQ(emptyLinesBefore(page2, "     Inventory Costs tab."), 2u);
    EXPECT_EQ(emptyLinesBefore(page2, kFooter2), 2u);

    const Lines page3 = split(pages[2], "\r\n");
    EXPECT_EQ(emptyLinesBefore(page3, "    Saving and Printing."), 4u);
    EXPECT_EQ(emptyLinesBefore(page3, kFooter3), 4u);
}

TEST(HelpPagesPrinted, use_the_given_line_break_throughout) {
    const std::array<std::string, 3> pages = printedHelpPages("\n");
    EXPECT_EQ(pages[0], join(printedPage1(), "\n"));
    EXPECT_EQ(pages[1], join(printedPage2(), "\n"));
    EXPECT_EQ(pages[2], join(printedPage3(), "\n"));
    for (const std::string& page : pages) {
        EXPECT_EQ(page.find('\r'), std::string::npos);
    }
}

} // namespace
