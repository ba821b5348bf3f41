// The energy analysis of one motion: its inputs, its rated values, the five speed points
// with the power and energy under DCCP and under the drive, and the motion's energy per
// cycle and per turn. The rows compute from the texts displayed before them, rounded at
// every step; the totals row and the summary are the model's figures.

#include "page_builder.h"
#include "report_builders.h"

#include <array>

namespace payvanta::reports {

namespace {

using calc::div;
using calc::mul;
using calc::sub;
using Index = PageBuilder::Index;

// The tables need more room than a Letter page within half-inch margins (10800 twips)
// leaves; this much prints within quarter-inch margins on Letter and on A4 alike.
constexpr int kPageWidth = 11160;
constexpr int kRow = PageBuilder::kRowHeight;
// The columns hold their longest texts with room before them. The step times, the KW and
// KW-HR columns and the headings print in the print font, at most 10 points on these
// pages; the copy of the step times and the KW-Sec columns keep the screen font (MS Sans
// Serif 8). The step times and the KW-Sec columns are plain numbers of up to 15
// significant digits ("4668.49550076922"), KW a figure of thousands, KW-HR of hundreds.
constexpr int kSpeedLeft = 40;
constexpr int kSpeedWidth = 620;                    // "Speed" at 10 points
constexpr int kStepLeft = kSpeedLeft + kSpeedWidth; // the step times the page starts with
constexpr int kStepWidth = 1900;                    // "Duty Cycle Time Sec" at 10 points
constexpr int kTableLeft = kStepLeft + kStepWidth;
constexpr int kCopyWidth = 1540; // "Duty Cycle Time Sec" and fifteen digits at 8 points
constexpr int kKw = 840;
constexpr int kKwSec = 1440; // fifteen digits and a point at 8 points
constexpr int kKwHr = 740;
constexpr int kSavedWidth = 1000; // "KW Saved" at 10 points

// The columns of a speed-point table, after its own copy of the step times.
enum Col { kCopy, kDccpKw, kDccpKwSec, kDccpKwHr, kQvrKw, kQvrKwSec, kQvrKwHr, kSaved, kCols };
constexpr std::array<int, kCols> kWidths{kCopyWidth, kKw,    kKwSec, kKwHr,
                                         kKw,        kKwSec, kKwHr,  kSavedWidth};

int leftOf(int col) {
    int left = kTableLeft;
    for (int c = 0; c < col; ++c) {
        left += kWidths[static_cast<std::size_t>(c)];
    }
    return left;
}

// "txtDutyCycleA(6)": an element of a control array.
ElementName element(std::string_view name, std::string_view suffix, int i) {
    return {name, suffix, i};
}

// One speed-point table: its factors and the cells of its six rows (the sixth is the
// totals row of the step times and the kW-hr columns).
struct Table {
    std::string suffix; // "" for a travel motion, "H" or "L" for the hoist
    const SpeedPointFactors* dccp = nullptr;
    const SpeedPointFactors* qvr = nullptr;
    double multiplier = 1; // the travel motions draw twice the tabled power
    std::array<std::array<Index, kCols>, 7> cells{};
};

// The speed points 1 to 5 and "Total" down the left of a table.
void speedColumn(PageBuilder& p, std::string_view suffix, int head) {
    p.label("lblSpeed" + std::string(suffix), "Speed", kSpeedLeft, head, kSpeedWidth,
            Align::Center);
    for (int i = 1; i <= 5; ++i) {
        p.label(element("lblSpeedPoint", suffix, i), std::to_string(i), kSpeedLeft, head + kRow * i,
                kSpeedWidth, Align::Center);
    }
    p.label("lblTotal" + std::string(suffix), "Total", kSpeedLeft, head + kRow * 6, kSpeedWidth);
}

// The first and last item of a table, for printing it in one size.
struct Span {
    Index first;
    Index last;
};

// The headings and cells of one table, whose headings start at top.
Span layOutTable(PageBuilder& p, Table& t, std::string_view title, int top) {
    const std::string& s = t.suffix;
    const Index first = p.label("lbl" + std::string(title) + "Title", std::string(title),
                                leftOf(kCopy), top, leftOf(kCols) - leftOf(kCopy), Align::Center);
    p.label("lblDccp" + s, "DCCP", leftOf(kDccpKw), top + kRow, leftOf(kQvrKw) - leftOf(kDccpKw),
            Align::Center);
    p.label("lblQvr" + s, "QVR", leftOf(kQvrKw), top + kRow, leftOf(kSaved) - leftOf(kQvrKw),
            Align::Center);
    const int head = top + 2 * kRow;
    speedColumn(p, s, head);
    const std::array<std::pair<std::string, std::string_view>, kCols> headings{{
        {"lblDutyCycle2" + s, "Duty Cycle Time Sec"},
        {"lblKW1" + s, "KW"},
        {"lblKWSec1" + s, "KW-Sec"},
        {"lblKWHR1" + s, "KW-HR"},
        {"lblKW2" + s, "KW"},
        {"lblKWSec2" + s, "KW-Sec"},
        {"lblKWHR2" + s, "KW-HR"},
        {"lblKWSaved" + s, "KW Saved"},
    }};
    for (int c = 0; c < kCols; ++c) {
        const auto& h = headings[static_cast<std::size_t>(c)];
        p.label(h.first, std::string(h.second), leftOf(c), head,
                kWidths[static_cast<std::size_t>(c)], Align::Right);
    }
    const std::array<std::string_view, kCols> names{
        "txtDutyCycleB",  "txtDccpActualKW", "txtDccpKWSec", "txtDccpKWHR",
        "txtQvrActualKW", "txtQvrKWSec",     "txtQvrKWHR",   "txtKWSavedPerStep"};
    Index last = first;
    for (int i = 1; i <= 6; ++i) {
        const int rowTop = head + kRow * i;
        for (int c = 0; c < kCols; ++c) {
            // The totals row holds the step times and the kW-hr columns only.
            if (i == 6 && c != kCopy && c != kDccpKwHr && c != kQvrKwHr) {
                continue;
            }
            last = p.field(element(names[static_cast<std::size_t>(c)], s, i), leftOf(c), rowTop,
                           kWidths[static_cast<std::size_t>(c)]);
            t.cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] = last;
        }
    }
    p.rule("lineHead" + s, kSpeedLeft, head + kRow, leftOf(kCols) - kSpeedLeft, 0);
    p.rule("lineTotal" + s, kSpeedLeft, head + 6 * kRow, leftOf(kCols) - kSpeedLeft, 0);
    return {first, last};
}

} // namespace

ReportPage buildMotionReport(Motion m, const ReportInputs& in) {
    const SavingsModel& model = in.model;
    const ProjectRecord& record = model.record;
    const bool hoist = m == Motion::Hoist;
    const std::string motion(motionName(m));
    const std::string title = motion + " Energy Savings Analysis";
    const int tableTop = 5280;
    const int secondTableTop = tableTop + 9 * kRow + 225;
    const int summaryTop = (hoist ? secondTableTop : tableTop) + 9 * kRow + 345;
    const int pageTop = summaryTop + 6 * kRow + 480;
    const ReportForm form = hoist
                                ? ReportForm::Hoist
                                : (m == Motion::Trolley ? ReportForm::Trolley : ReportForm::Bridge);
    static std::array<PageLayout, 3> layouts;
    PageBuilder p(layouts[static_cast<std::size_t>(m)], form, title, kPageWidth,
                  pageTop + 2 * kRow + 120, model.locale());
    p.setPrintFontSizeCap(hoist ? 8 : 10);

    p.picture("Image1", (kPageWidth - 5250) / 2, 0, 5250, 1125);
    p.label("lblCompany", "Corvanix Payvanta", 3900, 1200, 3000, Align::Center);
    const Index date = p.field("lblDate", 7800, 1200, 2760, Align::Right);
    p.label("lblProduct", "Stravolux QVR", 3900, 1440, 3000, Align::Center);
    p.at(p.label("lblTitle", title, 2400, 1680, 6000, Align::Center)).bold = true;

    // The inputs on the left, the rated values on the right; the values on the right end
    // at the page's edge, and hold fifteen digits.
    constexpr int kRightValues = 8700;
    constexpr int kRightValueWidth = kPageWidth - kRightValues;
    const auto input = [&](std::string labelName, std::string caption, std::string fieldName,
                           int top, int width) {
        p.label(std::move(labelName), std::move(caption), 240, top, 1440);
        return p.field(std::move(fieldName), 1800, top, width, Align::Left);
    };
    const Index customer = input("lblCustomer", "Customer:", "txtCustomer", 2160, 4320);
    const Index project = input("lblProject", "Project:", "txtProject", 2400, 4320);
    const Index motionText = input("lblMotion", "Motion:", "txtMotion", 2640, 2000);
    const Index motor = input("lblMotor", "Motor:", "txtMotor", 2880, 4320);
    const Index motors = input("lblNumMotors", "No. of Motors:", "txtNumMotors", 3120, 1200);
    p.at(p.label("lbl100Values", "100% Values:", 6240, 2160, 2400)).bold = true;
    const auto rated = [&](std::string labelName, std::string caption, std::string fieldName,
                           int top) {
        p.label(std::move(labelName), std::move(caption), 6240, top, 2400);
        return p.field(std::move(fieldName), kRightValues, top, kRightValueWidth);
    };
    const Index volts = rated("lblMotorVolts", "Motor Volts:", "txtMotorVolts", 2400);
    const Index amps = rated("lblMotorFLCAmps", "Motor Full Load Amps:", "txtMotorFLCAmps", 2640);
    const Index ohms = rated("lblRated100Ohms", "Rated Ohms:", "txtRated100Ohms", 2880);
    const Index kw = rated("lblRated100KW", "Rated KW:", "txtRated100KW", 3120);

    p.at(p.label("lblCalculations", "Calculations", 240, 3600, 2400)).bold = true;
    const auto calculation = [&](std::string labelName, std::string caption, std::string fieldName,
                                 int top) {
        p.label(std::move(labelName), std::move(caption), 240, top, 3600);
        return p.field(std::move(fieldName), 3960, top, 1980);
    };
    const Index cycles = calculation("lblNumCyclePerTurn",
                                     "Number of Cycles per Turn =", "txtNumCyclePerTurn", 3840);
    const Index speed = calculation("lblTravelFPM",
                                    hoist ? "Hoist Speed in Feet per Minute ="
                                          : "Travel Speed in Feet per Minute =",
                                    "txtTravelFPM", 4080);
    const Index distance =
        calculation("lblMoveDistance", "Move Distance in Feet =", "txtMoveDistance", 4320);
    const Index minutes = calculation("lblMinCycleTimeMinutes", "Minimum Cycle Time in Minutes",
                                      "txtMinCycleTimeMinutes", 4560);
    const Index seconds = calculation("lblMinCycleTimeSeconds",
                                      "Cycle Time in Seconds =", "txtMinCycleTimeSeconds", 4800);

    // The step times the page starts with, left of the first table's own copy.
    const int head = tableTop + 2 * kRow;
    const Index stepHeading =
        p.label("lblDutyCycle1", "Duty Cycle Time Sec", kStepLeft, head, kStepWidth, Align::Right);
    std::array<Index, 7> steps{};
    for (int i = 1; i <= 6; ++i) {
        steps[static_cast<std::size_t>(i)] =
            p.field(element("txtDutyCycleA", "", i), kStepLeft, head + kRow * i, kStepWidth);
    }
    const FactorTables& f = model.energy.factors();
    std::array<Table, 2> tables;
    std::array<Span, 2> spans{};
    std::size_t tableCount = 1;
    if (hoist) {
        tables[0] = {"H", &f.dccpFactorHoist, &f.qvrFactorHoist, 1, {}};
        tables[1] = {"L", &f.dccpFactorLower, &f.qvrFactorLower, 1, {}};
        tableCount = 2;
        spans[0] = layOutTable(p, tables[0], "Hoist", tableTop);
        spans[1] = layOutTable(p, tables[1], "Lower", secondTableTop);
    } else {
        const bool trolley = m == Motion::Trolley;
        tables[0] = {"",
                     trolley ? &f.dccpFactorTrolley : &f.dccpFactorBridge,
                     trolley ? &f.qvrFactorTrolley : &f.qvrFactorBridge,
                     2,
                     {}};
        spans[0] = layOutTable(p, tables[0], "Travel", tableTop);
    }

    p.at(p.label("lbl" + motion + "Summary", motion + " Summary", 240, summaryTop, 2880)).bold =
        true;
    const std::array<std::pair<std::string_view, std::string_view>, 5> summaryRows{{
        {"DCCP KW-Hr per Cycle =", "txtDccpKwHrPerCycle"},
        {"DCCP KW-Hr per Turn =", "txtDccpKwHrPerTurn"},
        {"QVR KW-Hr per Cycle =", "txtQvrKwHrPerCycle"},
        {"QVR KW-Hr per Turn =", "txtQvrKwHrPerTurn"},
        {"Savings KW-Hr per Turn =", "txtSavingsKwHrPerTurn"},
    }};
    std::array<Index, 5> summary{};
    for (std::size_t i = 0; i < summaryRows.size(); ++i) {
        const int top = summaryTop + 240 * static_cast<int>(i + 1);
        p.label("lbl" + std::string(summaryRows[i].second).substr(3),
                std::string(summaryRows[i].first), 240, top, 2880);
        summary[i] = p.field(std::string(summaryRows[i].second), 3240, top, 1500);
    }
    const Index page = p.field("lblPage", (kPageWidth - 1335) / 2, pageTop, 1335, Align::Center);
    p.button("cmdPrintForm", "Print Form", kPageWidth - 1935, pageTop - 120, 1335, 375);
    if (hoist) {
        p.keepDesignFont({"lblPage", "lblDutyCycle2L", "lblKWSec1H", "lblKWSec1L", "lblKWSec2H",
                          "lblKWSec2L", "lblMinCycleTimeMinutes", "txtDutyCycleBL", "txtDccpKWSecH",
                          "txtDccpKWSecL", "txtQvrKWSecH", "txtQvrKWSecL",
                          "txtMinCycleTimeMinutes"});
    } else {
        p.keepDesignFont({"lblPage", "lblDutyCycle2", "lblKWSec1", "lblKWSec2",
                          "lblMinCycleTimeMinutes", "txtDutyCycleB", "txtDccpKWSec", "txtQvrKWSec",
                          "txtMinCycleTimeMinutes"});
    }
    // The texts of a table in the print font print in one size, the first table's with
    // the step times beside it; those left in the screen font fit their boxes each.
    p.fitTogether(stepHeading, spans[0].last, 1);
    if (hoist) {
        p.fitTogether(spans[1].first, spans[1].last, 2);
    }

    // The fields, in the order the page computes them.
    p.setText(date, generalDate(in.now, p.locale()) + " ");
    p.setText(page, "");
    p.setText(customer, record.get(Field::CustName));
    p.setText(project, record.get(Field::ProjName));
    p.setText(motionText, motion);
    p.setText(motor, record.get(motorField(m)));
    p.setText(motors, record.get(numMotorField(m)));
    p.setText(volts, record.get(motorVoltsField(m)));
    p.setText(amps, record.get(motorFLCAmpsField(m)));
    // The hoist shows its rated values plain, the travel motions in the number form.
    p.set(ohms, [&] {
        const double value = div(p.shown(volts), p.shown(amps));
        return hoist ? p.plain(value) : p.format(value, numbers::kFiveDecimals);
    });
    p.set(kw, [&] {
        const double value = div(mul(p.shown(ohms), mul(p.shown(amps), p.shown(amps))), 1000.0);
        return hoist ? p.plain(value) : p.format(value, numbers::kThreeDecimals);
    });
    p.setText(cycles, record.get(Field::NumLifts));
    p.setText(speed, record.get(speedField(m)));
    p.setText(distance, record.get(distanceField(m)));
    p.set(minutes, [&] { return p.plain(div(p.shown(distance), p.shown(speed))); });
    p.set(seconds, [&] { return p.plain(mul(p.shown(minutes), 60)); });

    p.setText(steps[6], "0");
    for (int i = 1; i <= 5; ++i) {
        const auto at = static_cast<std::size_t>(i);
        p.setText(steps[at], record.get(dutyCycleField(m, i)));
        p.set(steps[6], [&] { return p.plain(calc::add(p.shown(steps[at]), p.shown(steps[6]))); });
    }
    for (std::size_t t = 0; t < tableCount; ++t) {
        for (std::size_t i = 1; i <= 6; ++i) {
            p.setText(tables[t].cells[i][kCopy], p.at(steps[i]).text);
        }
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        for (std::size_t t = 0; t < tableCount; ++t) {
            const Table& tb = tables[t];
            const auto& c = tb.cells[i];
            const std::size_t k = i - 1;
            p.set(c[kDccpKw], [&] {
                return p.format(mul(mul(p.shown(kw), (*tb.dccp)[k]), tb.multiplier), "Standard");
            });
            p.set(c[kQvrKw], [&] {
                return p.format(mul(mul(p.shown(kw), (*tb.qvr)[k]), tb.multiplier), "Standard");
            });
            p.set(c[kSaved], [&] {
                return p.format(sub(p.shown(c[kDccpKw]), p.shown(c[kQvrKw])), "Standard");
            });
            p.set(c[kDccpKwSec],
                  [&] { return p.plain(mul(p.shown(c[kCopy]), p.shown(c[kDccpKw]))); });
            p.set(c[kDccpKwHr],
                  [&] { return p.format(div(p.shown(c[kDccpKwSec]), 3600.0), "0.0000"); });
            p.set(c[kQvrKwSec], [&] {
                const double value = mul(p.shown(c[kCopy]), p.shown(c[kQvrKw]));
                // The lowering table shows the drive's KW-Sec to four decimals.
                return tb.suffix == "L" ? p.format(value, "0.0000") : p.plain(value);
            });
            p.set(c[kQvrKwHr],
                  [&] { return p.format(div(p.shown(c[kQvrKwSec]), 3600.0), "0.0000"); });
        }
    }
    const MotionEnergy& e = model.energy.results(m);
    const std::array<std::pair<double, double>, 2> totals{
        hoist ? std::pair{e.dccpKwHrHoisting, e.qvrKwHrHoisting}
              : std::pair{e.dccpKwHrPerMove, e.qvrKwHrPerMove},
        std::pair{e.dccpKwHrLowering, e.qvrKwHrLowering}};
    for (std::size_t t = 0; t < tableCount; ++t) {
        p.set(tables[t].cells[6][kDccpKwHr], [&] { return p.format(totals[t].first, "##0.0000"); });
        p.set(tables[t].cells[6][kQvrKwHr], [&] { return p.format(totals[t].second, "##0.0000"); });
    }
    const std::array<double, 5> results{e.dccpKwHrPerCycle, e.dccpKwHrPerTurn, e.qvrKwHrPerCycle,
                                        e.qvrKwHrPerTurn, e.savingsKwHrPerTurn};
    for (std::size_t i = 0; i < summary.size(); ++i) {
        p.set(summary[i], [&] { return p.format(results[i], "##,##0.000"); });
    }
    return p.take();
}

ReportPage buildReport(ReportForm form, const ReportInputs& in) {
    switch (form) {
    case ReportForm::Hoist:
        return buildMotionReport(Motion::Hoist, in);
    case ReportForm::Trolley:
        return buildMotionReport(Motion::Trolley, in);
    case ReportForm::Bridge:
        return buildMotionReport(Motion::Bridge, in);
    case ReportForm::Inventory:
        return buildInventory(in);
    case ReportForm::Maintenance:
        return buildMaintenance(in);
    case ReportForm::EnergySavings:
        return buildEnergySavings(in);
    case ReportForm::BusinessCase:
        return buildBusinessCase(in);
    case ReportForm::Savings:
        break;
    }
    return buildSavings(in);
}

} // namespace payvanta::reports
