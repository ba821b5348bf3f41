#include "model/business_case.h"
#include "model/number_text.h"
#include "support/example_project.h"

#include <gtest/gtest.h>

using namespace payvanta;

namespace {

// A figure as a test expects it: a value, or none and why.
struct Expect {
    double value = 0;
    NoFigure why = NoFigure::None;
};

void check(const Figure& f, const Expect& e, const char* what) {
    EXPECT_EQ(static_cast<int>(f.why), static_cast<int>(e.why)) << what;
    EXPECT_EQ(f.has(), e.why == NoFigure::None) << what;
    if (f.has() && e.why == NoFigure::None) {
        EXPECT_NEAR(*f.value, e.value, 1e-6) << what;
    }
}

TEST(BusinessCase, payback_roi_and_npv_are_the_hand_computed_figures) {
    using enum NoFigure;
    // At 8 % over 15 years the savings are worth 8.5594786879 times a year's.
    const struct {
        const char* name;
        const char* total;
        std::array<const char*, 4> cost; // drive, installation, engineering, rebate
        const char* life;
        const char* rate;
        Expect payback, roi, npv;
    } cases[] = {
        // clang-format off
        {"typical", "$10,000.00", {"20000", "5000", "3000", "3000"}, "", "", {2.5}, {500}, {60594.7868793}},
        {"no savings", "$0.00", {"1000", "", "", ""}, "", "", {0, NoSavings}, {-100}, {-1000}},
        {"negative savings", "($500.00)", {"1000", "", "", ""}, "", "", {0, NegativeSavings}, {-850}, {-5279.7393440}},
        {"rebate above cost", "$10,000.00", {"1000", "", "", "1500"}, "", "", {0}, {0, CostCovered}, {86094.7868793}},
        {"one year at 10 %", "$1,100.00", {"1000", "", "", ""}, "1", "10", {1000.0 / 1100}, {10}, {0}},
        {"no cost", "$10,000.00", {"", "", "", ""}, "", "", {0, NoCost}, {0, NoCost}, {0, NoCost}},
        {"cost not a number", "$10,000.00", {"1000", "ten", "", ""}, "", "", {0, InputNotNumber}, {0, InputNotNumber}, {0, InputNotNumber}},
        {"life of 2.5 years", "$10,000.00", {"1000", "", "", ""}, "2.5", "", {0.1}, {0, InputOutOfRange}, {0, InputOutOfRange}},
        {"a cost of a tenth of a cent is none", "$10,000.00", {"0.001", "", "", ""}, "", "", {0}, {0, CostCovered}, {85594.7868793}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SavingsModel model;
        model.summary = {"$0.00", "$0.00", "$0.00", c.total};
        BusinessCaseInputs& in = model.record.businessCase();
        for (std::size_t i = 0; i < 4; ++i) {
            in.set(kCaseInputs[i], c.cost[i]); // the four parts of the cost come first
        }
        in.set(CaseInput::ProjectLife, c.life);
        in.set(CaseInput::DiscountRate, c.rate);
        const BusinessCase bc = computeBusinessCase(model);
        check(bc.payback, c.payback, "payback");
        check(bc.roi, c.roi, "ROI");
        check(bc.npv, c.npv, "NPV");
    }
    // 35.96 months are three whole years, not 2 years and 12 months.
    EXPECT_EQ(yearsAndMonths(2.997).years, 3);
    EXPECT_EQ(yearsAndMonths(2.997).months, 0);
    EXPECT_EQ(yearsAndMonths(2.5).months, 6);
}

TEST(BusinessCase, co2_rate_cases_and_break_even_come_from_the_energy_models_year) {
    SavingsModel model;
    test::fillCompleteProject(model.record);
    model.state.recalcEnabled = true;
    model.RecalculateAll();
    model.record.businessCase().set(CaseInput::DriveCost, "20000");
    BusinessCase bc = computeBusinessCase(model);
    // 5.111100812 kWh a turn (bridge and trolley 0.748742 each, the hoist 3.613616812),
    // 3 turns a day, 356 days, at 0.81 lb per kWh.
    EXPECT_NEAR(bc.kwhPerYear, 5458.655667453, 1e-6);
    check(bc.co2PerYear, {2.005563695}, "CO2 a year");
    check(bc.co2OverLife, {30.083455419}, "CO2 over the life");
    // The project's own rate gives the summary's total; each 10 % moves the energy only.
    const double total = *bc.total.value;
    EXPECT_DOUBLE_EQ(*bc.rateCases[3].yearlySavings.value, total);
    EXPECT_NEAR(*bc.rateCases[6].yearlySavings.value - total, 0.3 * *bc.energy.value, 0.006);
    EXPECT_DOUBLE_EQ(*bc.rateCases[0].rate.value, 0.07);
    // At the break-even rate the yearly savings pay the cost back in exactly the life.
    ASSERT_TRUE(bc.breakEvenRate.has());
    EXPECT_NEAR(
        (*bc.breakEvenRate.value * bc.kwhPerYear + *bc.maintenance.value + *bc.inventory.value) *
            15,
        20000, 1e-6);

    model.record.businessCase().set(CaseInput::Co2Factor, "-1");
    model.record.businessCase().set(CaseInput::DriveCost, "1");
    bc = computeBusinessCase(model);
    check(bc.co2PerYear, {0, NoFigure::InputOutOfRange}, "negative factor");
    check(bc.breakEvenRate, {0, NoFigure::AnyRate}, "a cost the other savings repay");
}

TEST(BusinessCase, each_input_is_taken_within_its_range_and_refused_outside_it) {
    using enum CaseInput;
    using enum NoFigure;
    const std::string hugeNumber(300'000, '9');
    const struct {
        CaseInput input;
        std::string text;
        NoFigure why;
    } cases[] = {
        {DriveCost, "0", None},
        {DriveCost, "100,000,000", None},
        {DriveCost, "100000000.01", InputOutOfRange},
        {DriveCost, "-0.01", InputOutOfRange},
        {DriveCost, "1.7e308", InputOutOfRange},
        {InstallationCost, "1e400", InputOutOfRange},
        {EngineeringCost, hugeNumber, InputOutOfRange},
        {Rebate, "100000000", None},
        {Rebate, "-1", InputOutOfRange},
        {Rebate, "abc", InputNotNumber},
        {ProjectLife, "1", None},
        {ProjectLife, "100", None},
        {ProjectLife, "0", InputOutOfRange},
        {ProjectLife, "101", InputOutOfRange},
        {ProjectLife, "ten", InputNotNumber},
        {DiscountRate, "-50", None},
        {DiscountRate, "100", None},
        {DiscountRate, "-50.01", InputOutOfRange},
        {DiscountRate, "-99.9999999", InputOutOfRange},
        {DiscountRate, "100.01", InputOutOfRange},
        {DiscountRate, "1e308", InputOutOfRange},
        {DiscountRate, "abc", InputNotNumber},
        {Co2Factor, "0", None},
        {Co2Factor, "5", None},
        {Co2Factor, "5.01", InputOutOfRange},
        {Co2Factor, hugeNumber, InputOutOfRange},
        {Co2Factor, "x", InputNotNumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(caseInputKey(c.input)) + " = " + c.text.substr(0, 20));
        SavingsModel model;
        model.summary = {"$0.00", "$0.00", "$0.00", "$10,000.00"};
        model.record.businessCase().set(DriveCost, "1000");
        model.record.businessCase().set(c.input, c.text);
        const BusinessCase bc = computeBusinessCase(model);
        // What the input decides: the net cost, the savings over the life, the NPV, the CO2.
        const Figure& decided = c.input == ProjectLife    ? bc.lifeSavings
                                : c.input == DiscountRate ? bc.npv
                                : c.input == Co2Factor    ? bc.co2PerYear
                                                          : bc.netCost;
        EXPECT_EQ(static_cast<int>(decided.why), static_cast<int>(c.why));
        EXPECT_EQ(decided.has(), c.why == None);
        if (c.why != None) {
            EXPECT_EQ(decided.input, c.input);
        }
    }
}

TEST(BusinessCase, savings_too_large_for_a_number_give_no_figure_made_of_them) {
    SavingsModel model;
    const std::string huge = numbers::format(1.7e308, numbers::kCurrency, model.locale());
    model.summary = {huge, "$0.00", "$0.00", huge};
    model.record.businessCase().set(CaseInput::DriveCost, "100,000,000");
    model.record.businessCase().set(CaseInput::ProjectLife, "100");
    const BusinessCase bc = computeBusinessCase(model);
    for (const Figure* f : {&bc.lifeSavings, &bc.roi, &bc.npv}) {
        check(*f, {0, NoFigure::TooLarge}, "a figure of the life");
    }
    EXPECT_TRUE(bc.cumulativeCashFlow.empty());
    check(bc.payback, {1e8 / 1.7e308}, "payback");
}

} // namespace
