#pragma once

#include "model/calc_steps.h"
#include "model/locale_conventions.h"
#include "model/number_text.h"
#include "report_page.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace payvanta::reports {

// What a page is before its items: its form, the window's caption, its size in twips, and
// the largest print font size it takes (0: any size).
struct PageFrame {
    ReportForm form;
    std::string_view caption;
    int width;
    int height;
    int printFontSizeCap = 0;
};

// An element of a control array: "txtDutyCycleA" and 6 make "txtDutyCycleA(6)".
std::string elementName(std::string_view base, int index);

// Builds a page item by item and computes its fields. A field's text is computed once,
// in the order the page gives, and a later field may read an earlier one back as the
// number it shows: so each figure is computed from what the reader sees.
class PageBuilder {
public:
    // Every control is this high unless it says otherwise.
    static constexpr int kRowHeight = 255;

    using Index = std::size_t;

    PageBuilder(const PageFrame& frame, const LocaleConventions& locale);
    PageBuilder(const PageBuilder&) = delete;
    PageBuilder& operator=(const PageBuilder&) = delete;

    Index label(std::string_view name, std::string_view text, int left, int top, int width,
                Align align = Align::Left);
    // A value field, empty until set.
    Index field(std::string_view name, int left, int top, int width, Align align = Align::Right,
                int height = kRowHeight);
    void rule(std::string_view name, int left, int top, int width, int height);
    void frame(std::string_view name, int left, int top, int width, int height);
    void picture(std::string_view name, int left, int top, int width, int height);
    void button(std::string_view name, std::string_view text, int left, int top, int width,
                int height);
    // A chart, drawn in its box from the data setChart gives it.
    Index chart(std::string_view name, int left, int top, int width, int height);
    void setChart(Index i, Chart chart);

    ReportItem& at(Index i) { return page_.items[i]; }
    const std::string& caption() const { return page_.caption; }
    // These keep the font they were designed with when the page is printed.
    void keepDesignFont(std::initializer_list<std::string_view> names);
    // The items first to last (a table) that take the print font print in one size: where
    // one of them is too wide for its box, they all shrink alike. After keepDesignFont.
    void fitTogether(Index first, Index last, int group);

    // Sets the field's text to what compute returns. A value that cannot be read or
    // computed (an empty field, a text that is not a number, a division by zero, an
    // overflow) leaves the field empty; the other fields are still computed.
    template <typename Compute> void set(Index i, Compute&& compute) {
        try {
            page_.items[i].text = compute();
        } catch (const calc::CalcStop&) {
            page_.items[i].text.clear();
        }
    }
    void setText(Index i, std::string text) { page_.items[i].text = std::move(text); }

    // The number a field shows, read back with the locale's conventions; stops the
    // computation that reads it when the field shows none.
    double shown(Index i) const;

    std::string format(double value, std::string_view formatName) const;
    std::string format(double value, const numbers::NumberFormat& fmt) const;
    std::string plain(double value) const;
    const LocaleConventions& locale() const { return locale_; }

    ReportPage take();

private:
    Index add(std::string_view name, ItemKind kind, std::string_view text, int left, int top,
              int width, int height, Align align = Align::Left);

    ReportPage page_;
    const LocaleConventions& locale_;
};

} // namespace payvanta::reports
