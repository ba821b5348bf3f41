#include "model/field.h"
#include "model/print_font.h"
#include "model/project_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace payvanta;

namespace {

TEST(ProjectRecord, has_the_52_keys_of_the_project_file_in_file_order) {
    const std::vector<std::string> expected{
        "CustName", "ProjName", "cmbStateKw", "KwHrRate", "NumLifts", "MaintPerHour",
        "ContactElec", "ContactMech", "HoistNemaSize", "ContactHoist", "TrolleyNemaSize",
        "ContactTrolley", "BridgeNemaSize", "ContactBridge", "BrakeSize", "BrakeShoe", "ShoeLife",
        "HoistMotor", "NumMotorHoist", "MotorVoltsHoist", "MotorFLCAmpsHoist", "HoistFPMHoist",
        "LiftDistanceHoist", "DutyCycleHoist(1)", "DutyCycleHoist(2)", "DutyCycleHoist(3)",
        "DutyCycleHoist(4)", "DutyCycleHoist(5)", "TrolleyMotor", "NumMotorTrolley",
        "MotorVoltsTrolley", "MotorFLCAmpsTrolley", "HoistFPMTrolley", "LiftDistanceTrolley",
        "DutyCycleTrolley(1)", "DutyCycleTrolley(2)", "DutyCycleTrolley(3)",
        "DutyCycleTrolley(4)", "DutyCycleTrolley(5)", "BridgeMotor", "NumMotorBridge",
        "MotorVoltsBridge", "MotorFLCAmpsBridge", "HoistFPMBridge", "LiftDistanceBridge",
        "DutyCycleBridge(1)", "DutyCycleBridge(2)", "DutyCycleBridge(3)", "DutyCycleBridge(4)",
        "DutyCycleBridge(5)", "PrintFontName", "PrintFontSize"};
    std::vector<std::string> keys;
    for (const Field f : allFields()) {
        keys.emplace_back(fieldKey(f));
    }
    EXPECT_EQ(keys, expected);
}

TEST(ProjectRecord, names_the_per_motion_fields_by_motion) {
    EXPECT_EQ(fieldKey(speedField(Motion::Trolley)), "HoistFPMTrolley");
    EXPECT_EQ(fieldKey(distanceField(Motion::Bridge)), "LiftDistanceBridge");
    EXPECT_EQ(fieldKey(dutyCycleField(Motion::Bridge, 5)), "DutyCycleBridge(5)");
    EXPECT_EQ(fieldKey(nemaSizeField(Motion::Trolley)), "TrolleyNemaSize");
    EXPECT_EQ(fieldKey(contactCostField(Motion::Bridge)), "ContactBridge");
    EXPECT_EQ(motionOf(Field::MotorFLCAmpsTrolley), Motion::Trolley);
    EXPECT_EQ(dutyCycleStepOf(Field::DutyCycleHoist3), 3);
    EXPECT_FALSE(dutyCycleStepOf(Field::LiftDistanceHoist).has_value());
    EXPECT_FALSE(motionOf(Field::ShoeLife).has_value());
}

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

struct FontCase {
    const char* name;
    std::int16_t size;
    std::size_t checkedItem; // of the "Printer-Fonts" menu
    const char* nameAfter;
    std::int16_t sizeAfter;
};

class ApplyPrintFontCases : public ::testing::TestWithParam<FontCase> {};

TEST_P(ApplyPrintFontCases, keeps_the_pairs_of_the_menu_and_makes_any_other_the_default) {
    const auto& c = GetParam();
    ProjectRecord r;
    r.setPrintFont(c.name, c.size);
    const auto checked = ApplyPrintFont(r);
    EXPECT_EQ(checked, c.checkedItem);
    EXPECT_EQ(r.printFontName(), c.nameAfter);
    EXPECT_EQ(r.printFontSize(), c.sizeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ApplyPrintFontCases,
    ::testing::Values(
        FontCase{"Arial", 7, 1, "Arial", 7}, FontCase{"Arial", 8, 2, "Arial", 8},
        FontCase{"Times New Roman", 7, 6, "Times New Roman", 7},
        FontCase{"Times New Roman", 8, 7, "Times New Roman", 8},
        FontCase{"MS Sans Serif", 8, 0, "MS Sans Serif", 8},
        FontCase{"Arial", 10, 3, "Arial", 10}, FontCase{"Times New Roman", 12, 10, "Times New Roman", 12},
        FontCase{"arial", 8, 0, "MS Sans Serif", 8}, FontCase{"0", 0, 0, "MS Sans Serif", 8}));

} // namespace
