#pragma once

#include "item_names.h"
#include "model/savings_model.h"
#include "page_builder.h"

#include <array>
#include <string>
#include <string_view>

namespace payvanta::reports {

// The heading block of a drawn page: the logo, the three heading lines (company, product,
// the page's caption as its title), the date, the customer and the project, at the places
// and under the names that page gives them.
struct HeadingLayout {
    struct Box {
        int left;
        int top;
        int width;
        int height = PageBuilder::kRowHeight;
    };
    Box logo;
    std::array<std::string_view, 3> lineNames{names::Label31, names::Label30, names::Label32};
    std::string_view company = "Corvanix Payvanta";
    Box lines; // the first line; the others follow 240 twips apart
    Box date;
    std::array<std::string_view, 2> captionNames; // of "Customer:" and "Project:"
    Box customerCaption;
    Box customer;
    int projectTop;
};

// Starts the page with its heading block, filled: the date as the page writes it, then
// the customer and the project as typed.
void addHeading(PageBuilder& p, const HeadingLayout& layout, const SavingsModel& model,
                std::string date);

// The page label, below everything else, which a print run fills with the page's number.
// It prints as the screen shows it, whatever the print font.
void addPageLabel(PageBuilder& p, int left, int top);

} // namespace payvanta::reports
