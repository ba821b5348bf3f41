#include "page_builder.h"

#include "model/number_text.h"

#include <algorithm>
#include <charconv>

namespace payvanta::reports {

PageBuilder::PageBuilder(PageLayout& layout, ReportForm form, std::string_view caption, int width,
                         int height, const LocaleConventions& locale)
    : layout_(layout), laying_(layout.guard_), locale_(locale) {
    if (layout_.page_) {
        page_ = *layout_.page_;
        replaying_ = true;
        laying_.unlock();
        return;
    }
    page_.form = form;
    page_.caption = caption;
    page_.width = width;
    page_.height = height;
    page_.items.reserve(200);
}

ReportPage PageBuilder::take() {
    if (!replaying_) {
        ReportPage layout = page_;
        for (ReportItem& item : layout.items) {
            if (item.kind == ItemKind::Field) {
                item.text.clear();
            }
            item.chart.reset();
        }
        layout_.page_ = std::move(layout);
        laying_.unlock();
    }
    return std::move(page_);
}

NameBuffer& NameBuffer::operator<<(std::string_view part) {
    const std::size_t n = std::min(part.size(), sizeof buffer_ - size_);
    std::copy_n(part.data(), n, buffer_ + size_);
    size_ += n;
    return *this;
}

NameBuffer& NameBuffer::operator<<(int number) {
    const auto result = std::to_chars(buffer_ + size_, buffer_ + sizeof buffer_, number);
    size_ = static_cast<std::size_t>(result.ptr - buffer_);
    return *this;
}

PageBuilder::Index PageBuilder::add(std::string_view name, ItemKind kind, std::string_view text,
                                    int left, int top, int width, int height, Align align) {
    if (replaying_) {
        return next_++;
    }
    ReportItem& item = page_.items.emplace_back();
    item.name = internName(name);
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

namespace {

NameBuffer nameOf(const ElementName& name) {
    NameBuffer out;
    out << name.base << name.suffix << "(" << name.index << ")";
    return out;
}

} // namespace

PageBuilder::Index PageBuilder::label(const ElementName& name, std::string_view text, int left,
                                      int top, int width, Align align) {
    return replaying_ ? next_++ : label(nameOf(name), text, left, top, width, align);
}

PageBuilder::Index PageBuilder::field(const ElementName& name, int left, int top, int width,
                                      Align align) {
    return replaying_ ? next_++ : field(nameOf(name), left, top, width, align);
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
    if (replaying_) {
        return;
    }
    for (ReportItem& item : page_.items) {
        // A control array keeps the font in every element.
        const std::string_view base = item.name.substr(0, item.name.find('('));
        if (std::find(names.begin(), names.end(), base) != names.end()) {
            item.takesPrintFont = false;
        }
    }
}

void PageBuilder::fitTogether(Index first, Index last, int group) {
    if (replaying_) {
        return;
    }
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
