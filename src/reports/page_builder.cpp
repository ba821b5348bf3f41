#include "page_builder.h"

#include "model/number_text.h"

#include <algorithm>

namespace payvanta::reports {

std::string elementName(std::string_view base, int index) {
    return std::string(base) + "(" + std::to_string(index) + ")";
}

PageBuilder::PageBuilder(const PageFrame& frame, const LocaleConventions& locale)
    : locale_(locale) {
    page_.form = frame.form;
    page_.caption = frame.caption;
    page_.width = frame.width;
    page_.height = frame.height;
    page_.printFontSizeCap = frame.printFontSizeCap;
}

ReportPage PageBuilder::take() {
    return std::move(page_);
}

PageBuilder::Index PageBuilder::add(std::string_view name, ItemKind kind, std::string_view text,
                                    int left, int top, int width, int height, Align align) {
    ReportItem& item = page_.items.emplace_back();
    item.name = name;
    item.kind = kind;
    item.text = text;
    item.left = left;
    item.top = top;
    item.width = width;
    item.height = height;
    item.align = align;
    return page_.items.size() - 1;
}

PageBuilder::Index PageBuilder::label(std::string_view name, std::string_view text, int left,
                                      int top, int width, Align align) {
    return add(name, ItemKind::Label, text, left, top, width, kRowHeight, align);
}

PageBuilder::Index PageBuilder::field(std::string_view name, int left, int top, int width,
                                      Align align, int height) {
    return add(name, ItemKind::Field, {}, left, top, width, height, align);
}

void PageBuilder::rule(std::string_view name, int left, int top, int width, int height) {
    add(name, ItemKind::Rule, {}, left, top, width, height);
}

void PageBuilder::frame(std::string_view name, int left, int top, int width, int height) {
    add(name, ItemKind::Frame, {}, left, top, width, height);
}

void PageBuilder::picture(std::string_view name, int left, int top, int width, int height) {
    add(name, ItemKind::Picture, {}, left, top, width, height);
}

void PageBuilder::button(std::string_view name, std::string_view text, int left, int top, int width,
                         int height) {
    add(name, ItemKind::Button, text, left, top, width, height, Align::Center);
}

PageBuilder::Index PageBuilder::chart(std::string_view name, int left, int top, int width,
                                      int height) {
    return add(name, ItemKind::Chart, {}, left, top, width, height);
}

void PageBuilder::setChart(Index i, Chart chart) {
    page_.items[i].chart = std::make_shared<const Chart>(std::move(chart));
}

void PageBuilder::keepDesignFont(std::initializer_list<std::string_view> names) {
    for (ReportItem& item : page_.items) {
        // A control array keeps the font in every element.
        const std::string_view base = std::string_view(item.name).substr(0, item.name.find('('));
        if (std::find(names.begin(), names.end(), base) != names.end()) {
            item.takesPrintFont = false;
        }
    }
}

void PageBuilder::fitTogether(Index first, Index last, int group) {
    for (Index i = first; i <= last; ++i) {
        // A text in its design font is of another face and size: it fits its box alone.
        if (page_.items[i].takesPrintFont) {
            page_.items[i].fitGroup = group;
        }
    }
}

double PageBuilder::shown(Index i) const {
    const auto value = numbers::parse(page_.items[i].text, locale_);
    if (!value) {
        throw calc::CalcStop{};
    }
    return *value;
}

std::string PageBuilder::format(double value, std::string_view formatName) const {
    return numbers::format(calc::finite(value), formatName, locale_);
}

std::string PageBuilder::format(double value, const numbers::NumberFormat& fmt) const {
    return numbers::format(calc::finite(value), fmt, locale_);
}

std::string PageBuilder::plain(double value) const {
    return numbers::plain(calc::finite(value), locale_);
}

} // namespace payvanta::reports
