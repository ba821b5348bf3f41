#include "page_heading.h"

namespace payvanta::reports {

void addHeading(PageBuilder& p, const HeadingLayout& h, const SavingsModel& model,
                std::string date) {
    p.picture(names::Image1, h.logo.left, h.logo.top, h.logo.width, h.logo.height);
    const std::array<std::string_view, 3> captions{h.company, "Stravolux QVR", p.caption()};
    for (std::size_t i = 0; i < 3; ++i) {
        p.label(h.lineNames[i], captions[i], h.lines.left, h.lines.top + 240 * static_cast<int>(i),
                h.lines.width);
    }
    const PageBuilder::Index dateField =
        p.field(names::lblDate, h.date.left, h.date.top, h.date.width, Align::Left, h.date.height);
    p.setText(dateField, std::move(date) + " ");
    const HeadingLayout::Box& c = h.customerCaption;
    p.label(h.captionNames[0], "Customer:", c.left, c.top, c.width);
    p.setText(
        p.field(names::txtCustomer, h.customer.left, h.customer.top, h.customer.width, Align::Left),
        model.record.get(Field::CustName));
    p.label(h.captionNames[1], "Project:", c.left, h.projectTop, c.width);
    p.setText(
        p.field(names::txtProject, h.customer.left, h.projectTop, h.customer.width, Align::Left),
        model.record.get(Field::ProjName));
}

void addPageLabel(PageBuilder& p, int left, int top) {
    p.at(p.field(names::lblPage, left, top, 1335, Align::Center)).takesPrintFont = false;
}

} // namespace payvanta::reports
