// The business case page: beyond the seven forms, what the retrofit costs and returns.
// The yearly savings as the summary shows them, the energy saved, the cost, the simple
// payback, ROI, savings over the life and NPV, the CO2 avoided with the factor it comes
// from, the savings and payback at electricity rates 30 % below to 30 % above the
// project's, and two charts. A figure that cannot be had says why in words.

#include "business_case_text.h"
#include "model/business_case.h"
#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"
#include "savings_text.h"

#include <array>
#include <cmath>

namespace payvanta::reports {

namespace {

using Index = PageBuilder::Index;

constexpr int kPageWidth = 10800; // a US Letter page in portrait within half-inch margins
constexpr int kPageHeight = 14160;
constexpr int kRow = PageBuilder::kRowHeight;
constexpr int kLeft = 240;
constexpr int kRight = 5640; // the right-hand column
constexpr int kMoneyWidth = 1800;
constexpr int kRateRows = 7;

// A caption and the field it names; the caption's name is the field's with "lbl" for
// "txt" ("txtRoi" has "lblRoi").
using CaptionedRow = std::pair<std::string_view, std::string_view>;

// Where a column of captioned values stands: rows a row apart from the first top, the last
// one lower by lastDrop (beneath a rule).
struct CaptionedColumn {
    int left;
    int labelWidth;
    int top;
    int valueLeft;
    int valueWidth;
    Align align = Align::Right;
    int lastDrop = 0;
};

template <std::size_t N>
std::array<PageBuilder::Index, N>
captionedValues(PageBuilder& p, const std::array<CaptionedRow, N>& rows, const CaptionedColumn& c) {
    std::array<PageBuilder::Index, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const int top = c.top + kRow * static_cast<int>(i) + (i + 1 == N ? c.lastDrop : 0);
        p.label("lbl" + std::string(rows[i].second.substr(3)), rows[i].first, c.left, top,
                c.labelWidth);
        values[i] = p.field(rows[i].second, c.valueLeft, top, c.valueWidth, c.align);
    }
    return values;
}

class Texts {
public:
    explicit Texts(const PageBuilder& p) : p_(p) {}

    std::string money(const Figure& f) const {
        return f.has() ? p_.format(*f.value, "Currency") : why(f);
    }
    std::string percent(const Figure& f, std::string_view formatName) const {
        return f.has() ? p_.format(*f.value, formatName) + " %" : why(f);
    }
    std::string tonnes(const Figure& f) const {
        return f.has() ? p_.format(*f.value, "##,##0.0") + " tonnes" : why(f);
    }
    std::string rate(double value) const { return p_.format(value, "0.0000"); }
    std::string why(const Figure& f) const { return whyNot(f, p_.locale()); }

    std::string payback(const Figure& f, const BusinessCase& bc, bool full) const {
        return paybackText(f, bc.netCost, bc.life, p_.locale(), full);
    }

private:
    const PageBuilder& p_;
};

// The amounts up a money axis as a reader expects them: whole dollars ("$150,000"), with
// cents only where the steps are smaller than a dollar.
std::vector<ChartTick> moneyTicks(const std::vector<double>& steps, const PageBuilder& p) {
    const double step = steps.size() > 1 ? steps[1] - steps[0] : 1;
    LocaleConventions axis = p.locale();
    if (step >= 1) {
        axis.currencyDecimals = 0;
    }
    std::vector<ChartTick> ticks;
    for (const double v : steps) {
        ticks.push_back({v, numbers::format(v, numbers::kCurrency, axis)});
    }
    return ticks;
}

// The value axis of a chart, holding low and high. When no round steps can hold them the
// chart draws nothing and says why.
bool setValueAxis(Chart& chart, double low, double high, const PageBuilder& p) {
    const std::vector<double> steps = axisSteps(low, high, 4);
    if (steps.empty()) {
        chart.bars.clear();
        chart.points.clear();
        chart.xTicks.clear();
        chart.markerX.reset();
        chart.valueTicks = moneyTicks({0}, p);
        chart.note = whyNot(Figure::none(NoFigure::TooLarge), p.locale());
        return false;
    }
    chart.valueTicks = moneyTicks(steps, p);
    return true;
}

Chart savingsChart(const BusinessCase& bc, const PageBuilder& p) {
    Chart chart;
    chart.kind = Chart::Kind::Bars;
    chart.title = "Yearly Savings by Kind and Motion";
    chart.series = {"Energy", "Maintenance Labor", "Inventory"};
    const auto bar = [&](std::string label, double value, int series) {
        chart.bars.push_back({std::move(label), p.format(value, "Currency"), value, series});
    };
    for (const Motion m : kMotions) {
        bar(std::string(motionName(m)), bc.energyByMotion[static_cast<std::size_t>(m)], 0);
    }
    bar("Maintenance", bc.maintenance.value.value_or(0), 1);
    bar("Inventory", bc.inventory.value.value_or(0), 2);
    double low = 0;
    double high = 0;
    for (const ChartBar& b : chart.bars) {
        low = std::min(low, b.value);
        high = std::max(high, b.value);
    }
    if (!bc.total.has()) {
        chart.note = whyNot(bc.total, p.locale());
    }
    setValueAxis(chart, low, high, p);
    return chart;
}

Chart cashFlowChart(const BusinessCase& bc, const Texts& t, const PageBuilder& p) {
    Chart chart;
    chart.kind = Chart::Kind::Line;
    chart.title = "Cumulative Cash Flow over the Life";
    chart.series = {"Savings less the net cost, at the end of each year"};
    chart.xTitle = "Years";
    chart.points = bc.cumulativeCashFlow;
    if (chart.points.empty()) {
        chart.note = t.why(!bc.lifeSavings.has() ? bc.lifeSavings : bc.netCost);
        chart.valueTicks = moneyTicks({0}, p);
        return chart;
    }
    const auto [low, high] = std::minmax_element(chart.points.begin(), chart.points.end());
    if (!setValueAxis(chart, *low, *high, p)) {
        return chart;
    }
    const auto years = static_cast<int>(chart.points.size()) - 1;
    const int step = years <= 8 ? 1 : years <= 16 ? 2 : years <= 40 ? 5 : 10;
    for (int x = 0; x <= years; x += step) {
        chart.xTicks.push_back({static_cast<double>(x), p.format(x, "##,##0")});
    }
    if (bc.payback.has() && paysBackWithin(*bc.payback.value, years)) {
        // A payback shown as the life itself is marked at its end.
        chart.markerX = std::min(*bc.payback.value, static_cast<double>(years));
        chart.markerText = "Payback " + t.payback(bc.payback, bc, false);
    } else if (!bc.netCost.has()) {
        chart.note = "The savings alone: " + t.why(bc.netCost) + ".";
    } else if (bc.payback.has()) {
        chart.note =
            "No payback within the life: it takes " + t.payback(bc.payback, bc, true) + ".";
    } else {
        chart.note = "No payback: " + t.why(bc.payback) + ".";
    }
    return chart;
}

} // namespace

ReportPage buildBusinessCase(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    const ProjectRecord& record = model.record;
    // The page is full: a larger print font would run its columns into each other.
    PageBuilder p({ReportForm::BusinessCase, "Retrofit Business Case", kPageWidth, kPageHeight, 8},
                  model.locale());
    const auto sectionTitle = [&](std::string_view name, std::string_view text, int left, int top) {
        p.at(p.label(name, text, left, top, 4800)).bold = true;
    };

    addHeading(p,
               {.logo = {3825, 120, kSavingsLogoWidth, kSavingsLogoHeight},
                .lines = {4560, 900, 2415},
                .date = {8400, 900, 2160},
                .captionNames = {"Label1", "Label2"},
                .customerCaption = {kLeft, 1800, 1080},
                .customer = {1440, 1800, 4800},
                .projectTop = 2055},
               model, shortDate(in.now, p.locale()));
    p.label("lblKwHrRate", "KW-HR Rate:", 7200, 1800, 1215);
    const Index rate = p.field("txtKwHrRate", 8520, 1800, 1800, Align::Left);

    // The yearly savings, left; the cost, right.
    sectionTitle("Label3", "Yearly Savings", kLeft, 2520);
    constexpr int kAmounts = 3000;
    const std::array<Index, 4> savings =
        captionedValues(p,
                        std::array<CaptionedRow, 4>{{
                            {"Energy", names::txtEnergy},
                            {"Maintenance Labor", names::txtMaintenance},
                            {"Inventory", names::txtInventory},
                            {"Total", names::txtTotal},
                        }},
                        {kLeft, 2400, 2820, kAmounts, kMoneyWidth, Align::Right, 60});
    p.rule("lineTotal", kAmounts, 3615, kMoneyWidth, 0);
    p.label("lblKwHrPerYear", "Energy Saved per Year", kLeft, 3960, 2400);
    const Index kwh = p.field("txtKwHrPerYear", kAmounts, 3960, kMoneyWidth);

    sectionTitle("Label4", "Cost of the Retrofit", kRight, 2520);
    constexpr int kCosts = 8640;
    const std::array<Index, 4> costs = captionedValues(p,
                                                       std::array<CaptionedRow, 4>{{
                                                           {"Drive Hardware", "txtDriveCost"},
                                                           {"Installation", "txtInstallationCost"},
                                                           {"Engineering", "txtEngineeringCost"},
                                                           {"Less Rebate", "txtRebate"},
                                                       }},
                                                       {kRight, 2400, 2820, kCosts, kMoneyWidth});
    p.rule("lineNetCost", kCosts, 3870, kMoneyWidth, 0);
    p.label("lblNetCost", "Net Cost", kRight, 3900, 1200);
    const Index netCost = p.field("txtNetCost", 6960, 3900, 3480);

    // The return, left; the emissions, right.
    sectionTitle("Label5", "Return on the Retrofit", kLeft, 4440);
    constexpr int kReturnValues = 2400;
    const std::array<Index, 6> returns =
        captionedValues(p,
                        std::array<CaptionedRow, 6>{{
                            {"Project Life", "txtProjectLife"},
                            {"Discount Rate", "txtDiscountRate"},
                            {"Simple Payback", "txtPayback"},
                            {"Return on Investment", "txtRoi"},
                            {"Savings over the Life", "txtLifeSavings"},
                            {"Net Present Value", "txtNpv"},
                        }},
                        {kLeft, 2340, 4740, kReturnValues, 3120, Align::Left});
    sectionTitle("Label6", "CO2 Emissions Avoided", kRight, 4440);
    constexpr int kCo2Values = 7200;
    constexpr int kCo2Width = kPageWidth - kCo2Values;
    p.label("lblCo2PerYear", "Per Year", kRight, 4740, 1440);
    const Index co2Year = p.field("txtCo2PerYear", kCo2Values, 4740, kCo2Width, Align::Left);
    p.label("lblCo2OverLife", "Over the Life", kRight, 4995, 1440);
    const Index co2Life = p.field("txtCo2OverLife", kCo2Values, 4995, kCo2Width, Align::Left);
    // The factor, and beneath it what it stands for and where it comes from.
    p.label("lblCo2Factor", "Factor", kRight, 5340, 1440);
    const Index factor = p.field("txtCo2Factor", kCo2Values, 5340, kCo2Width, Align::Left);
    p.label("lblCo2Basis", "Basis", kRight, 5595, 1440);
    const Index basis = p.field("txtCo2Basis", kCo2Values, 5595, kCo2Width, Align::Left);
    p.label("lblCo2Source", "Source", kRight, 5850, 1440);
    const Index source =
        p.field("txtCo2Source", kCo2Values, 5850, kCo2Width, Align::Left, 3 * kRow);

    // How the savings and the payback hold when the electricity rate moves.
    sectionTitle("Label7", "Electricity Rate Sensitivity", kLeft, 6600);
    constexpr std::array<int, 4> kColumns{kLeft, 1680, 3240, 5400};
    constexpr std::array<int, 4> kWidths{1200, 1320, 1800, 5160};
    p.label("lblRateChange", "Rate Change", kColumns[0], 6900, kWidths[0], Align::Right);
    p.label("lblRate", "KW-HR Rate", kColumns[1], 6900, kWidths[1], Align::Right);
    p.label("lblYearlySavings", "Yearly Savings", kColumns[2], 6900, kWidths[2], Align::Right);
    p.label("lblPaybackAtRate", "Simple Payback", kColumns[3], 6900, kWidths[3]);
    p.rule("lineRates", kLeft, 7155, kColumns[3] + kWidths[3] - kLeft, 0);
    // The rows are the project's rate changed by these; the model's rate cases go in steps
    // of 10 % from -30 %.
    constexpr std::array<std::string_view, kRateRows> kChanges{"-30 %", "-20 %", "-10 %", "0 %",
                                                               "+10 %", "+20 %", "+30 %"};
    std::array<std::array<Index, 4>, kRateRows> rateCells{};
    constexpr std::array<std::string_view, 4> kRateNames{"lblRateChange", "txtRate",
                                                         "txtYearlySavings", "txtPaybackAtRate"};
    for (int r = 0; r < kRateRows; ++r) {
        const int top = 7170 + kRow * r;
        for (std::size_t c = 0; c < kRateNames.size(); ++c) {
            const std::string name = elementName(kRateNames[c], r + 1);
            const Align align = c == 3 ? Align::Left : Align::Right;
            const Index cell = c == 0 ? p.label(name, kChanges[static_cast<std::size_t>(r)],
                                                kColumns[c], top, kWidths[c], align)
                                      : p.field(name, kColumns[c], top, kWidths[c], align);
            // The project's own rate stands out.
            p.at(cell).bold = r == kRateRows / 2;
            rateCells[static_cast<std::size_t>(r)][c] = cell;
        }
    }
    p.label("lblBreakEvenRate", "Break-even Rate", kLeft, 9060, 2160);
    const Index breakEven = p.field("txtBreakEvenRate", kReturnValues, 9060, 7920, Align::Left);

    const Index savingsChartItem = p.chart("chtSavings", kLeft, 9480, 5040, 3960);
    const Index cashFlowChartItem = p.chart("chtCashFlow", kRight - 120, 9480, 5040, 3960);
    // The note stands clear of the charts' labels, a row above the page label.
    p.label("lblNote",
            "Every year of the life is taken to save what this year saves. The figures are "
            "estimates and are not guaranteed.",
            kLeft, 13620, 10320);
    addPageLabel(p, 4733, 13860);

    // The fields.
    const BusinessCase bc = computeBusinessCase(model);
    const Texts t(p);
    p.setText(rate, record.get(Field::KwHrRate));
    p.setText(savings[0], model.summary.lblSummaryEnergy);
    p.setText(savings[1], model.summary.lblSumaryMaintenance);
    p.setText(savings[2], model.summary.lblSummaryInventory);
    p.setText(savings[3], model.summary.lblSummaryTotal);
    p.set(kwh, [&] { return p.format(bc.kwhPerYear, "##,##0") + " kWh"; });
    for (std::size_t i = 0; i < costs.size(); ++i) {
        // A part not entered stays empty; one that cannot be had says so in short, the net
        // cost in full.
        const Figure& part = bc.costParts[i];
        p.setText(costs[i], part.has() ? p.format(*part.value, "Currency")
                            : part.why == NoFigure::InputNotNumber  ? "not a number"
                            : part.why == NoFigure::InputOutOfRange ? "out of range"
                                                                    : "");
    }
    p.setText(netCost, t.money(bc.netCost));
    p.setText(returns[0],
              bc.life.has() ? inWholeYears(*bc.life.value, p.locale()) : t.why(bc.life));
    p.setText(returns[1], t.percent(bc.discountRate, "#,##0.00"));
    p.setText(returns[2], t.payback(bc.payback, bc, true));
    p.setText(returns[3], t.percent(bc.roi, "##,##0.0"));
    p.setText(returns[4], t.money(bc.lifeSavings));
    p.setText(returns[5], t.money(bc.npv));
    p.setText(co2Year, t.tonnes(bc.co2PerYear));
    p.setText(co2Life, t.tonnes(bc.co2OverLife));
    p.setText(factor, bc.co2Factor.has() ? p.plain(*bc.co2Factor.value) + " lb CO2 per kWh saved"
                                         : t.why(bc.co2Factor));
    p.setText(basis, bc.co2FactorEntered ? "entered for this project"
                                         : "U.S. average of all generation, 2023 data");
    const std::string& givenSource = record.businessCase().get(CaseInput::Co2Source);
    p.setText(source, !givenSource.empty()  ? givenSource
                      : bc.co2FactorEntered ? std::string("not given")
                                            : std::string("U.S. Energy Information "
                                                          "Administration (EIA)"));
    for (std::size_t r = 0; r < bc.rateCases.size(); ++r) {
        const RateCase& row = bc.rateCases[r];
        const auto& cells = rateCells[r];
        p.setText(cells[1], row.rate.has() ? t.rate(*row.rate.value) : "");
        p.setText(cells[2], row.yearlySavings.has() ? t.money(row.yearlySavings) : "");
        p.setText(cells[3], t.payback(row.payback, bc, false));
    }
    if (bc.breakEvenRate.has()) {
        p.setText(breakEven, t.rate(*bc.breakEvenRate.value) +
                                 " per kW-hr: at this rate the payback equals the life");
    } else {
        p.setText(breakEven, bc.breakEvenRate.why == NoFigure::CostCovered
                                 ? "any rate: there is no net cost"
                                 : t.why(bc.breakEvenRate));
    }
    p.setChart(savingsChartItem, savingsChart(bc, p));
    p.setChart(cashFlowChartItem, cashFlowChart(bc, t, p));
    return p.take();
}

} // namespace payvanta::reports
