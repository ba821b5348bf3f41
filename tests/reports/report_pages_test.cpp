#include "model/number_text.h"
#include "model/savings_model.h"
#include "reports/business_case_text.h"
#include "reports/print_page.h"
#include "reports/report_builders.h"
#include "reports/savings_text.h"
#include "support/example_project.h"
#include "support/locales.h"

#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace payvanta;
using namespace payvanta::reports;
using V = std::vector<std::string>;

namespace {

// The worked examples' project, recalculated; the pages are opened at 8:15:03 PM on
// 6 December 2026.
class ReportPagesTest : public ::testing::Test {
protected:
    explicit ReportPagesTest(LocaleConventions locale = LocaleConventions::unitedStates())
        : model(std::move(locale)) {
        test::fillCompleteProject(model.record);
        model.state.recalcEnabled = true;
    }

    // "Arial 10": a printed text's face and size.
    static std::string fontOf(const PrintItem& item) {
        return item.font.name + " " + std::to_string(item.font.size) +
               (item.font.bold ? " bold" : "");
    }

    ReportPage page(ReportForm form) {
        model.RecalculateAll();
        return buildReport(form, {model, kNow});
    }
    // The texts of the items, in the order given.
    static V texts(const ReportPage& p, std::initializer_list<std::string> names) {
        V out;
        for (const auto& name : names) {
            EXPECT_NE(p.item(name), nullptr) << name;
            out.push_back(p.text(name));
        }
        return out;
    }

    static constexpr DateTime kNow{2026, 12, 6, 20, 15, 3};
    SavingsModel model;
};

constexpr ReportForm kAllForms[] = {ReportForm::Savings,     ReportForm::EnergySavings,
                                    ReportForm::Maintenance, ReportForm::Inventory,
                                    ReportForm::Hoist,       ReportForm::Trolley,
                                    ReportForm::Bridge,      ReportForm::BusinessCase};

// The words of a text, split at spaces.
std::set<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST_F(ReportPagesTest, the_bridge_page_computes_its_rows_from_what_it_shows) {
    model.record.set(Field::NumMotorBridge, "2");
    const ReportPage p = page(ReportForm::Bridge);
    EXPECT_EQ(p.caption, "Bridge Energy Savings Analysis");
    EXPECT_EQ(texts(p, {"txtRated100Ohms", "txtRated100KW", "txtDutyCycleA(6)", "txtDutyCycleB(6)",
                        "txtMinCycleTimeMinutes", "txtMinCycleTimeSeconds"}),
              (V{"2.30000", "23.000", "30", "30", "0.5", "30"}));
    EXPECT_EQ(texts(p, {"txtDccpActualKW(1)", "txtQvrActualKW(1)", "txtKWSavedPerStep(1)",
                        "txtDccpKWSec(1)", "txtDccpKWHR(1)", "txtQvrKWSec(5)", "txtQvrKWHR(5)"}),
              (V{"21.09", "5.49", "15.60", "21.09", "0.0059", "326.82", "0.0908"}));
    EXPECT_EQ(texts(p, {"txtDccpKWHR(6)", "txtQvrKWHR(6)"}), (V{"0.1387", "0.1013"}));
    EXPECT_EQ(texts(p, {"txtDccpKwHrPerCycle", "txtDccpKwHrPerTurn", "txtQvrKwHrPerCycle",
                        "txtQvrKwHrPerTurn", "txtSavingsKwHrPerTurn"}),
              (V{"0.555", "5.548", "0.405", "4.051", "1.497"}));
    EXPECT_EQ(p.text("lblDate"), "12/6/2026 8:15:03 PM ");
    EXPECT_EQ(p.text("txtMotion"), "Bridge");
}

TEST_F(ReportPagesTest, the_hoist_page_shows_rated_values_plain_and_lowers_with_negative_energy) {
    const ReportPage p = page(ReportForm::Hoist);
    EXPECT_EQ(texts(p, {"txtRated100Ohms", "txtRated100KW"}), (V{"2.3", "23"}));
    // Hoisting and lowering each have their table, without the travel motions' factor 2.
    EXPECT_EQ(texts(p, {"txtDccpActualKWH(1)", "txtQvrActualKWL(2)", "txtQvrKWSecL(2)",
                        "txtKWSavedPerStepL(2)", "txtDutyCycleBL(5)", "txtQvrKWHRL(6)"}),
              (V{"40.58", "-2.43", "-2.4300", "59.35", "26", "-0.2185"}));
    EXPECT_EQ(p.text("txtSavingsKwHrPerTurn"), "3.614");
}

TEST_F(ReportPagesTest, the_maintenance_page_rounds_each_column_and_closes_with_the_model) {
    model.record.set(Field::NumLifts, "100");
    const ReportPage p = page(ReportForm::Maintenance);
    EXPECT_EQ(texts(p, {"txtMovesHoist", "txtCycleTurnHoist", "txtCycleDayHoist",
                        "txtTipChangeHoist", "txtChangeOutDaysHoist", "txtChangeOutMonthsHoist",
                        "txtChangeOutYearHoist", "txtCostHoist"}),
              (V{"400", "800", "2400", "1.67", "416.67", "13.89", "0.86", "$71.81"}));
    EXPECT_EQ(texts(p, {"txtMovesBridge", "txtCycleDayTrolley", "txtTipChangeTrolley",
                        "txtChangeOutDaysBridge", "txtChangeOutMonthsTrolley",
                        "txtChangeOutYearBridge", "txtCostTrolley"}),
              (V{"200", "1200", "1.50", "833.33", "27.78", "0.43", "$32.25"}));
    EXPECT_EQ(texts(p, {"txtCycleTurnContactor", "txtTipChangeContactor", "txtCostContactor"}),
              (V{"1600", "4.7", "$136.31"}));
    EXPECT_EQ(texts(p, {"txtTipChangeBrake", "txtChangeOutDaysBrake", "txtChangeOutMonthsBrake",
                        "txtChangeOutYearBrake", "txtCostBrake"}),
              (V{"2.00", "180.0", "6.00", "2.00", "$200.00"}));
    // The total is the model's, not the sum of the cost column.
    EXPECT_EQ(p.text("txtCostTotal"), "$336.50");
    EXPECT_EQ(p.text("txtCostTotal"), model.summary.lblSumaryMaintenance);
    EXPECT_EQ(texts(p, {"txtNumLiftsPerTrun", "txtHourlyMaintRate", "txtContactorElecLife"}),
              (V{"100", "50.00", "1,000,000"}));
}

TEST_F(ReportPagesTest, lifts_per_turn_are_shown_whole_and_the_moves_compute_from_that) {
    model.record.set(Field::NumLifts, "12.5");
    const ReportPage p = page(ReportForm::Maintenance);
    EXPECT_EQ(texts(p, {"txtNumLiftsPerTrun", "txtMovesHoist"}), (V{"13", "52"}));
}

TEST_F(ReportPagesTest, a_motion_without_motor_costs_nothing_but_still_shows_its_rates) {
    test::removeMotor(model.record, Motion::Hoist);
    const ReportPage m = page(ReportForm::Maintenance);
    EXPECT_EQ(texts(m, {"txtCostHoist", "txtCostBrake", "txtMovesHoist"}),
              (V{"$0.00", "$0.00", "40"}));
    const ReportPage i = page(ReportForm::Inventory);
    EXPECT_EQ(texts(i, {"txtContactCostHoist", "txtBrakeShoeCost", "txtContactTotalHoist"}),
              (V{"$25.00", "$160.00", "$0.00"}));
}

TEST_F(ReportPagesTest, the_inventory_page_gives_the_worked_example_and_the_models_total) {
    model.record.set(Field::NumLifts, "100");
    model.record.set(Field::NumMotorHoist, "2");
    const ReportPage p = page(ReportForm::Inventory);
    EXPECT_EQ(texts(p, {"txtContactHoist", "txtBrakeShoe", "txtContactCostHoist",
                        "txtBrakeShoeCost", "txtContactTotalHoist"}),
              (V{"$25.00", "$40.00", "$225.00", "$160.00", "$770.00"}));
    EXPECT_EQ(texts(p, {"txtContactTrolley", "txtContactCostTrolley", "txtContactTotalBridge"}),
              (V{"$20.00", "$72.00", "$72.00"}));
    EXPECT_EQ(p.text("txtAnnualInvetorySavings"), "$914.00");
    EXPECT_EQ(p.text("txtAnnualInvetorySavings"), model.summary.lblSummaryInventory);
}

TEST_F(ReportPagesTest, the_energy_page_sums_displayed_cells_and_its_estimate_is_the_summary) {
    const ReportPage p = page(ReportForm::EnergySavings);
    EXPECT_EQ(texts(p, {"txtSavingsPerTurnKwHrHoist", "txtSavingsPerCycleKwHrHoist",
                        "txtSavingsPerYearKwHrHoist", "txtSavingsPerYearCostHoist",
                        "txtSavingsPerTurnHoistKwHrBridge", "txtSavingsPerYearHoistKwHrTotals"}),
              (V{"3.614", "10.842", "3,859.752", "$385.98", "0.749", "5,459.616"}));
    EXPECT_EQ(p.text("txtAnnualEnergySavingsEstimate"), model.summary.lblSummaryEnergy);
    EXPECT_EQ(p.text("txtKwHrRate"), "0.10");
    EXPECT_EQ(p.text("Label31"), "Corvnix Payvanta");
}

TEST_F(ReportPagesTest, an_incomplete_project_leaves_the_affected_cells_empty_and_no_other) {
    model.RecalculateAll();
    for (const auto& [field, value] :
         std::vector<std::pair<Field, std::string>>{{Field::ContactElec, "0"},
                                                    {Field::NumLifts, "0"},
                                                    {Field::HoistFPMBridge, "0"},
                                                    {Field::MotorFLCAmpsTrolley, "0"},
                                                    {Field::KwHrRate, ""},
                                                    {Field::ShoeLife, "x"},
                                                    {Field::DutyCycleHoist3, ""},
                                                    {Field::MotorVoltsHoist, ""}}) {
        SavingsModel broken(model.locale());
        test::fillCompleteProject(broken.record);
        broken.state.recalcEnabled = true;
        broken.RecalculateAll();
        broken.record.set(field, value);
        for (const ReportForm form : kAllForms) {
            const ReportPage p = buildReport(form, {broken, kNow});
            for (const ReportItem& item : p.items) {
                // A computed figure is a number or nothing, never a failure spelled out.
                const bool computed = item.kind == ItemKind::Field && item.name != "lblOutput";
                const bool spelled = item.text.find("inf") != std::string::npos ||
                                     item.text.find("nan") != std::string::npos;
                EXPECT_FALSE(computed && spelled) << item.name << ": " << item.text;
            }
        }
    }
    model.record.set(Field::MotorFLCAmpsBridge, "0");
    model.record.set(Field::HoistFPMBridge, "0");
    const ReportPage bridge = buildReport(ReportForm::Bridge, {model, kNow});
    EXPECT_EQ(texts(bridge, {"txtRated100Ohms", "txtRated100KW", "txtDccpActualKW(1)",
                             "txtMinCycleTimeMinutes", "txtDutyCycleA(6)", "txtDccpKWHR(6)"}),
              (V{"", "", "", "", "30", "0.1387"}));
    model.record.set(Field::ContactElec, "0");
    const ReportPage maintenance = buildReport(ReportForm::Maintenance, {model, kNow});
    EXPECT_EQ(texts(maintenance, {"txtChangeOutDaysHoist", "txtChangeOutYearHoist", "txtCostHoist",
                                  "txtCostBrake", "txtCycleDayHoist"}),
              (V{"0.00", "", "", "$200.00", "240"}));
}

TEST_F(ReportPagesTest, the_savings_page_copies_the_summary_and_holds_the_opportunities) {
    const ReportPage p = page(ReportForm::Savings);
    EXPECT_EQ(texts(p, {"lblDate", "txtCustomer", "txtEnergy", "txtMaintenance", "txtInventory",
                        "txtTotal", "lblPage"}),
              (V{"12/6/2026 ", "Example Steel", model.summary.lblSummaryEnergy,
                 model.summary.lblSumaryMaintenance, model.summary.lblSummaryInventory,
                 model.summary.lblSummaryTotal, ""}));
    const std::string& text = p.text("lblOutput");
    EXPECT_EQ(text, loadText("\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 27);
    EXPECT_TRUE(text.starts_with("1)  Stravolux QVR's digital DC technology controls currents "
                                 "more precisely than traditional DCCP\r\n      systems.  "));
    EXPECT_TRUE(text.ends_with("\r\nNote: Results of this analysis are an estimate, may vary from "
                               "actual experience and are not guaranteed.\r\n"));
    const ReportItem& output = *p.item("lblOutput");
    EXPECT_EQ((std::vector<int>{output.left, output.top, output.width, output.height}),
              (std::vector<int>{480, 4200, 7335, 6135}));
    EXPECT_EQ(p.item("txtTotal")->top, 3600);
    EXPECT_EQ((std::vector<int>{p.width, p.height}), (std::vector<int>{8385, 11520}));
}

TEST_F(ReportPagesTest, every_page_fits_its_size_and_no_two_fields_overlap) {
    for (const ReportForm form : kAllForms) {
        const ReportPage p = page(form);
        SCOPED_TRACE(p.caption);
        if (form == ReportForm::Hoist || form == ReportForm::Trolley ||
            form == ReportForm::Bridge || form == ReportForm::BusinessCase) {
            // A page in portrait within quarter-inch margins on Letter and on A4 (8.27 in
            // across); the business case within half-inch margins on Letter.
            EXPECT_LE(p.width, form == ReportForm::BusinessCase ? 10800 : 11186);
            EXPECT_LE(p.height, 14400);
        }
        // Rows 240 twips apart hold controls 255 high: they may touch by 15 twips.
        constexpr int kTouch = 15;
        for (const ReportItem& a : p.items) {
            EXPECT_LE(a.left + a.width, p.width) << a.name;
            EXPECT_LE(a.top + a.height, p.height) << a.name;
            for (const ReportItem& b : p.items) {
                const bool overlap =
                    &a != &b && a.kind == ItemKind::Field && b.kind == ItemKind::Field &&
                    a.left < b.left + b.width && b.left < a.left + a.width &&
                    a.top + kTouch < b.top + b.height && b.top + kTouch < a.top + a.height;
                EXPECT_FALSE(overlap) << a.name << " and " << b.name;
            }
        }
    }
}

TEST_F(ReportPagesTest, printed_the_page_label_keeps_its_design_font_on_every_page) {
    for (const ReportForm form : kAllForms) {
        ReportPage p = page(form);
        p.item("lblPage")->text = "Page 2 of 7";
        EXPECT_EQ(fontOf(*printedForm(p, {"Times New Roman", 12, false}).item("lblPage")),
                  "MS Sans Serif 8")
            << p.caption;
    }
}

TEST_F(ReportPagesTest, printed_a_motion_page_leaves_its_own_controls_in_the_design_font) {
    const std::set<std::string> travel =
        words("lblPage lblDutyCycle2 lblKWSec1 lblKWSec2 lblMinCycleTimeMinutes txtDutyCycleB "
              "txtDccpKWSec txtQvrKWSec txtMinCycleTimeMinutes");
    const std::set<std::string> hoist =
        words("lblPage lblDutyCycle2L lblKWSec1H lblKWSec1L lblKWSec2H lblKWSec2L "
              "lblMinCycleTimeMinutes txtDutyCycleBL txtDccpKWSecH txtDccpKWSecL txtQvrKWSecH "
              "txtQvrKWSecL txtMinCycleTimeMinutes");
    for (const ReportForm form : {ReportForm::Hoist, ReportForm::Trolley, ReportForm::Bridge}) {
        ReportPage p = page(form);
        p.item("lblPage")->text = "Page 5 of 7";
        const PrintPage printed = printedForm(p, {"Times New Roman", 12, false});
        SCOPED_TRACE(p.caption);
        const std::string printFont = "Times New Roman " + std::to_string(p.printFontSizeCap);
        std::set<std::string> inDesignFont;
        std::vector<std::string> stepHeadings;
        for (const PrintItem& item : printed.items) {
            if (item.kind != PrintItem::Kind::Text) {
                continue;
            }
            if (fontOf(item) == "MS Sans Serif 8") {
                inDesignFont.insert(item.name.substr(0, item.name.find('(')));
                // A group shrinks alike, so it holds the print font only.
                EXPECT_EQ(item.fitGroup, 0) << item.name;
            } else {
                EXPECT_EQ(fontOf(item), printFont + (item.font.bold ? " bold" : "")) << item.name;
            }
            if (item.text == "Duty Cycle Time Sec") {
                stepHeadings.push_back(item.name);
            }
        }
        EXPECT_EQ(inDesignFont, form == ReportForm::Hoist ? hoist : travel);
        // The step times the page starts with stand in the first table, on the rows of
        // the speed points, under the page's own headings only.
        EXPECT_EQ(stepHeadings.size(), form == ReportForm::Hoist ? 3U : 2U);
        const std::string s = form == ReportForm::Hoist ? "H" : "";
        for (int i = 1; i <= 5; ++i) {
            const std::string n = "(" + std::to_string(i) + ")";
            const PrintItem& step = *printed.item("txtDutyCycleA" + n);
            EXPECT_EQ(step.top, printed.item("lblSpeedPoint" + s + n)->top);
            EXPECT_EQ(step.left + step.width, printed.item("txtDutyCycleB" + s + n)->left);
        }
    }
}

TEST_F(ReportPagesTest, the_business_case_charts_mark_their_money_axis_in_whole_dollars) {
    model.record.businessCase().set(CaseInput::DriveCost, "250000");
    const ReportPage p = page(ReportForm::BusinessCase);
    const std::regex wholeDollars(R"(\(?\$\d{1,3}(,\d{3})*\)?)");
    for (const char* name : {"chtSavings", "chtCashFlow"}) {
        const Chart& chart = *p.item(name)->chart;
        ASSERT_GE(chart.valueTicks.size(), 3U) << name;
        for (const ChartTick& tick : chart.valueTicks) {
            EXPECT_TRUE(std::regex_match(tick.text, wholeDollars)) << name << ": " << tick.text;
        }
    }
    EXPECT_EQ(p.item("chtSavings")->chart->valueTicks.front().text, "$0");
}

TEST_F(ReportPagesTest, the_business_case_says_in_words_why_a_figure_is_missing) {
    BusinessCaseInputs& in = model.record.businessCase();
    const auto cashFlow = [](const ReportPage& p) { return *p.item("chtCashFlow")->chart; };
    ReportPage p = page(ReportForm::BusinessCase);
    EXPECT_EQ(texts(p, {"txtNetCost", "txtPayback", "txtRoi", "txtPaybackAtRate(1)"}),
              V(4, "no cost entered"));
    EXPECT_EQ(texts(p, {"txtCo2Factor", "txtCo2Basis", "txtCo2Source", "txtProjectLife"}),
              (V{"0.81 lb CO2 per kWh saved", "U.S. average of all generation, 2023 data",
                 "U.S. Energy Information Administration (EIA)", "15 years"}));
    EXPECT_FALSE(cashFlow(p).markerX.has_value());

    in.set(CaseInput::DriveCost, "1000");
    in.set(CaseInput::Rebate, "1,500");
    p = page(ReportForm::BusinessCase);
    EXPECT_EQ(texts(p, {"txtNetCost", "txtPayback", "txtRoi", "txtBreakEvenRate"}),
              (V{"($500.00)", "at once: rebate exceeds cost", "none: no net cost",
                 "any rate: there is no net cost"}));

    // Four times the yearly savings; at the project's own rate the table gives the total.
    in.set(CaseInput::Rebate, "");
    in.set(CaseInput::DriveCost,
           std::to_string(4 * *numbers::parse(model.summary.lblSummaryTotal, model.locale())));
    in.set(CaseInput::ProjectLife, "3");
    p = page(ReportForm::BusinessCase);
    EXPECT_EQ(texts(p, {"txtPayback", "txtPaybackAtRate(4)", "txtYearlySavings(4)",
                        "lblRateChange(1)", "lblRateChange(7)"}),
              (V{"4.0 years (4 years)", "4 years, longer than the life",
                 model.summary.lblSummaryTotal, "-30 %", "+30 %"}));
    EXPECT_FALSE(cashFlow(p).markerX.has_value());
    EXPECT_EQ(cashFlow(p).points.size(), 4u);
    in.set(CaseInput::ProjectLife, "");
    EXPECT_DOUBLE_EQ(*cashFlow(page(ReportForm::BusinessCase)).markerX, 4.0);
}

TEST_F(ReportPagesTest, an_input_the_business_case_cannot_take_is_named_with_its_range) {
    using enum CaseInput;
    const std::string kOutOfRange = "Drive Hardware must be 0 to 100,000,000";
    const struct {
        CaseInput input;
        std::string text;
        V fields;
        V shown;
    } cases[] = {
        {DriveCost,
         "1.7e308",
         {"txtDriveCost", "txtNetCost", "txtPayback", "txtNpv"},
         {"out of range", kOutOfRange, kOutOfRange, kOutOfRange}},
        {Rebate, "-5", {"txtNetCost"}, {"Rebate must be 0 to 100,000,000"}},
        {InstallationCost,
         "abc",
         {"txtInstallationCost", "txtRoi"},
         {"not a number", "Installation is not a number"}},
        {DiscountRate,
         "-99.9999999",
         {"txtDiscountRate", "txtNpv"},
         V(2, "Discount Rate must be -50 to 100 %")},
        {ProjectLife, "2.5", {"txtProjectLife"}, {"Project Life must be 1 to 100 whole years"}},
        {Co2Factor,
         std::string(300'000, '9'),
         {"txtCo2Factor", "txtCo2PerYear"},
         V(2, "CO2 Factor must be 0 to 5 lb per kWh")},
        {Co2Factor, "x", {"txtCo2OverLife"}, {"CO2 Factor is not a number"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(caseInputKey(c.input)) + " = " + c.text.substr(0, 20));
        BusinessCaseInputs& in = model.record.businessCase();
        in = {};
        in.set(DriveCost, "1000");
        in.set(c.input, c.text);
        const ReportPage p = page(ReportForm::BusinessCase);
        V shown;
        for (const std::string& name : c.fields) {
            shown.push_back(p.text(name));
        }
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(ReportPagesTest, savings_too_large_for_a_number_say_so_on_the_page_and_in_its_charts) {
    model.record.businessCase().set(CaseInput::DriveCost, "1000");
    model.RecalculateAll();
    const std::string huge = numbers::format(1.7e308, numbers::kCurrency, model.locale());
    model.summary.lblSummaryEnergy = model.summary.lblSummaryTotal = huge;
    const ReportPage p = buildReport(ReportForm::BusinessCase, {model, kNow});
    EXPECT_EQ(texts(p, {"txtLifeSavings", "txtNpv"}), V(2, "too large to compute"));
    EXPECT_EQ(p.item("chtCashFlow")->chart->note, "too large to compute");
    // A rate so high that 30 % more of it is no number: its rows say why, nothing throws.
    model.record.set(Field::KwHrRate, "1.7e308");
    model.RecalculateAll();
    EXPECT_NO_THROW(buildReport(ReportForm::BusinessCase, {model, kNow}));
}

TEST(BusinessCaseText, a_payback_is_told_as_it_is_shown) {
    const struct {
        double years;
        bool full;
        std::string text; // with a life of 3 years
    } cases[] = {
        {1e-5, true, "less than a month"}, // $1 against the example's yearly savings
        {0.9 / 12, false, "less than a month"},
        {1.0 / 12, true, "0.1 years (1 month)"},
        {3.01, false, "3 years"},
        {3.05, false, "3 years 1 month, longer than the life"},
        {1000, true, "1,000.0 years (1,000 years)"},
        {1000.05, true, "more than 1,000 years"},
        {1e300, false, "more than 1,000 years"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paybackText(Figure::of(c.years), Figure::of(1), Figure::of(3),
                              LocaleConventions::unitedStates(), c.full),
                  c.text)
            << c.years;
    }
}

class GermanReportPagesTest : public ReportPagesTest {
protected:
    GermanReportPagesTest() : ReportPagesTest(test::german()) {
        test::fillCompleteProject(model.record);
        model.record.set(Field::KwHrRate, "0,10");
        model.record.set(Field::NumLifts, "100");
    }
};

TEST_F(GermanReportPagesTest, numbers_amounts_and_dates_take_the_locales_forms) {
    const ReportPage bridge = page(ReportForm::Bridge);
    EXPECT_EQ(texts(bridge, {"txtRated100Ohms", "txtRated100KW", "txtDccpActualKW(1)", "lblDate"}),
              (V{"2,30000", "23,000", "21,09", "06.12.2026 20:15:03 "}));
    const ReportPage maintenance = page(ReportForm::Maintenance);
    EXPECT_EQ(texts(maintenance, {"txtContactorElecLife", "txtChangeOutDaysHoist", "txtCostTotal"}),
              (V{"1.000.000", "416,67", "336,50 \u20AC"}));
}

} // namespace
