#pragma once

#include "model/savings_model.h"
#include "page_builder.h"

#include <array>
#include <string>
#include <string_view>

namespace payvanta::reports {

// The heading block of a drawn page: the logo, the three heading lines (company, product,
// the page's title), the date, the customer and the project, at the places and under the
// names that page gives them.
struct HeadingLayout {
    struct Box {
        int left;
        int top;
        int width;
        int height = PageBuilder::kRowHeight;
    };
    Box logo;
    std::array<std::string_view, 3> lineNames; // company, product, title
    std::string_view company;
    Box lines; // the first line; the others follow 240 twips apart
    Box date;
    std::array<std::string_view, 2> captionNames; // of "Customer:" and "Project:"
    Box customerCaption;
    Box customer;
    int projectTop;
};

struct Heading {
    PageBuilder::Index date;
    PageBuilder::Index customer;
    PageBuilder::Index project;
};

Heading layOutHeading(PageBuilder& p, std::string_view title, const HeadingLayout& layout);

// The date as the page writes it, then the customer and the project as typed.
void fillHeading(PageBuilder& p, const Heading& heading, const SavingsModel& model,
                 std::string date);

} // namespace payvanta::reports
