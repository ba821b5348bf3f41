#include "page_heading.h"

#include "item_names.h"

namespace payvanta::reports {

Heading layOutHeading(PageBuilder& p, std::string_view title, const HeadingLayout& h) {
    p.picture(names::Image1, h.logo.left, h.logo.top, h.logo.width, h.logo.height);
    const std::array<std::string_view, 3> captions{h.company, "Stravolux QVR", title};
    for (std::size_t i = 0; i < 3; ++i) {
        p.label(h.lineNames[i], captions[i], h.lines.left, h.lines.top + 240 * static_cast<int>(i),
                h.lines.width);
    }
    Heading out{};
    out.date =
        p.field(names::lblDate, h.date.left, h.date.top, h.date.width, Align::Left, h.date.height);
    const HeadingLayout::Box& c = h.customerCaption;
    p.label(h.captionNames[0], "Customer:", c.left, c.top, c.width);
    out.customer =
        p.field(names::txtCustomer, h.customer.left, h.customer.top, h.customer.width, Align::Left);
    p.label(h.captionNames[1], "Project:", c.left, h.projectTop, c.width);
    out.project =
        p.field(names::txtProject, h.customer.left, h.projectTop, h.customer.width, Align::Left);
    return out;
}

void fillHeading(PageBuilder& p, const Heading& heading, const SavingsModel& model,
                 std::string date) {
    p.setText(heading.date, std::move(date) + " ");
    p.setText(heading.customer, model.record.get(Field::CustName));
    p.setText(heading.project, model.record.get(Field::ProjName));
}

} // namespace payvanta::reports
