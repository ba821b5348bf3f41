#include "model/field.h"
#include "model/print_font.h"
#include "model/project_record.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace payvanta;

namespace {

TEST(ProjectRecord, keeps_texts_exactly_as_set_and_refuses_unknown_keys) {
    ProjectRecord r;
    EXPECT_TRUE(r.set("CustName", "  Acme\tSteel "));
    EXPECT_EQ(*r.get("CustName"), "  Acme\tSteel ");
    EXPECT_TRUE(r.set("KwHrRate", "$0.07"));
    EXPECT_DOUBLE_EQ(*r.number(Field::KwHrRate, LocaleConventions::unitedStates()), 0.07);
    EXPECT_FALSE(r.set("custname", "x"));
    EXPECT_FALSE(r.get("NoSuchKey").has_value());
    EXPECT_FALSE(r.number(Field::CustName, LocaleConventions::unitedStates()).has_value());
}

TEST(ProjectRecord, holds_the_print_font_size_as_a_16_bit_integer) {
    ProjectRecord r;
    r.set(Field::PrintFontSize, "10");
    EXPECT_EQ(r.printFontSize(), 10);
    EXPECT_EQ(r.get(Field::PrintFontSize), "10");
    r.set(Field::PrintFontSize, "40000");
    EXPECT_EQ(r.printFontSize(), 0);
    r.set(Field::PrintFontSize, "Arial");
    EXPECT_EQ(r.get(Field::PrintFontSize), "0");
}

TEST(ProjectRecord, tells_the_observer_of_every_write_in_order) {
    ProjectRecord r;
    std::vector<Field> seen;
    r.setChangeObserver([&](Field f) { seen.push_back(f); });
    r.set(Field::NumLifts, "5");
    r.set(Field::NumLifts, "5");
    r.setPrintFont("Arial", 8);
    EXPECT_EQ(seen, (std::vector<Field>{Field::NumLifts, Field::NumLifts, Field::PrintFontName,
                                        Field::PrintFontSize}));
}

TEST(applyPrintFont, keeps_the_pairs_of_the_menu_and_makes_any_other_the_default) {
    // Name and size read, the "Printer-Fonts" item checked, name and size kept.
    const std::tuple<const char*, std::int16_t, std::size_t, const char*, std::int16_t> cases[] = {
        {"Arial", 7, 1, "Arial", 7},
        {"Arial", 8, 2, "Arial", 8},
        {"Times New Roman", 7, 6, "Times New Roman", 7},
        {"Times New Roman", 8, 7, "Times New Roman", 8},
        {"MS Sans Serif", 8, 0, "MS Sans Serif", 8},
        {"Arial", 10, 3, "Arial", 10},
        {"Times New Roman", 12, 10, "Times New Roman", 12},
        {"arial", 8, 0, "MS Sans Serif", 8},
        {"0", 0, 0, "MS Sans Serif", 8}};
    for (const auto& [name, size, item, nameAfter, sizeAfter] : cases) {
        ProjectRecord r;
        r.setPrintFont(name, size);
        EXPECT_EQ(applyPrintFont(r), item) << name << " " << size;
        EXPECT_EQ(r.printFontName(), nameAfter);
        EXPECT_EQ(r.printFontSize(), sizeAfter);
    }
}

} // namespace
