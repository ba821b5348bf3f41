#include "ui/help_pages.h"

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

using namespace payvanta::ui;

namespace {

std::vector<std::string> linesOf(const std::string& page, std::string_view lineBreak = "\r\n") {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = page.find(lineBreak, start)) != std::string::npos;
         start = end + lineBreak.size()) {
        lines.push_back(page.substr(start, end - start));
    }
    lines.push_back(page.substr(start));
    return lines;
}

// A page's lines in short, top to bottom: '.' for an empty line, otherwise the number of
// spaces in front of its text. A break after the last line would show as a last '.'.
std::string shapeOf(const std::string& page) {
    std::string shape;
    for (const std::string& line : linesOf(page)) {
        shape += line.empty() ? std::string(".") : std::to_string(line.find_first_not_of(' '));
    }
    return shape;
}

struct PageCase {
    std::string (*page)(std::string_view);
    const char* heading;
    const char* shape;
};

const PageCase kPages[]{
    {helpGettingStarted, "     Getting Started", "5.0.000.00.0"},
    {helpProjectInformation, "     Project Information", "5.005055505555055055"},
    {helpHoist, "    Hoist Tab", "4.000004444.0.0"},
    {helpTrolley, "     Trolley Tab", "5.000004444.0.0"},
    {helpBridge, "     Bridge Tab", "5.000004444.0.0"},
    {helpInventoryCosts, "     Inventory Costs tab.", "5.04440444"},
    {helpSavePrint, "    Saving and Printing.", "4.040440444044044"},
};

TEST(HelpPages, each_topic_shows_its_page_with_its_heading_lines_and_indents) {
    for (int topic = 0; topic < 7; ++topic) {
        const PageCase& c = kPages[topic];
        const std::string page = c.page("\r\n");
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(helpPage(topic), page);
        EXPECT_EQ(linesOf(page).front(), c.heading);
        EXPECT_EQ(shapeOf(page), c.shape);
        EXPECT_EQ(linesOf(c.page("\n"), "\n"), linesOf(page));
    }
    for (const int index : {-1, 7, INT_MAX}) {
        EXPECT_EQ(helpPage(index), helpGettingStarted()) << index;
    }
}

TEST(HelpPages, the_three_printed_pages_put_the_pages_and_footers_in_their_places) {
    // n line breaks after a page leave n - 1 empty lines; a printed page's leading breaks
    // give as many empty lines at its top.
    const auto br = [](int n) {
        std::string breaks;
        for (int i = 0; i < n; ++i) {
            breaks += "\r\n";
        }
        return breaks;
    };
    const auto footer = [](char n) {
        return "                      Page " + std::string(1, n) + " of 3";
    };
    const std::array<std::string, 3> expected{
        br(1) + helpGettingStarted() + br(2) + helpProjectInformation() + br(3) + helpHoist() +
            br(2) + footer('1'),
        br(2) + helpTrolley() + br(3) + helpBridge() + br(3) + helpInventoryCosts() + br(3) +
            footer('2'),
        br(4) + helpSavePrint() + br(5) + footer('3'),
    };
    EXPECT_EQ(printedHelpPages(), expected);
}

} // namespace
