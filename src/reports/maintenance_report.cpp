// The maintenance labour page: for each motion the contactor operations, how often the
// tips are changed and what the labour costs a year, and the hoist brake shoes. Each
// column computes from the one before it as displayed, so the rows differ a little from
// the model, whose total the page closes with.

#include "model/maintenance_model.h"
#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"

#include <array>

namespace payvanta::reports {

namespace {

using calc::add;
using calc::div;
using calc::mul;
using Index = PageBuilder::Index;

constexpr std::array<int, 5> kRowTops{5040, 5400, 5760, 6120, 6480};
enum Column { kMoves, kCycleTurn, kCycleDay, kTipChange, kDays, kMonths, kYears, kCost, kColumns };
constexpr std::array<int, kColumns> kColumnLefts{2040, 3000, 3840, 4800, 5880, 6720, 7560, 8520};
constexpr int kCellWidth = 735;
constexpr int kCostWidth = 1095;
// A brake-shoe change takes two hours.
constexpr double kShoeChangeHours = 2;

// The cells of one row of the table; rows without a cell in a column leave it out.
struct TableRow {
    std::string_view label;
    std::string_view labelName;
    std::string_view suffix; // of the cell names: "Hoist", "Contactor", "Brake"
    std::array<bool, kColumns> has;
};
constexpr std::array<TableRow, 5> kTableRows{{
    {"Hoist", "lblMotionHoist", "Hoist", {true, true, true, true, true, true, true, true}},
    {"Trolley", "lblMotionTrolley", "Trolley", {true, true, true, true, true, true, true, true}},
    {"Bridge", "lblMotionBridge", "Bridge", {true, true, true, true, true, true, true, true}},
    {"Contactor Totals",
     "lblContactorTotals",
     "Contactor",
     {false, true, true, true, false, false, false, true}},
    {"Brake", "lblBrake", "Brake", {false, false, false, true, true, true, true, true}},
}};
constexpr std::array<std::string_view, kColumns> kCellNames{
    "txtMoves",         "txtCycleTurn",       "txtCycleDay",      "txtTipChange",
    "txtChangeOutDays", "txtChangeOutMonths", "txtChangeOutYear", "txtCost"};

} // namespace

ReportPage buildMaintenance(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    const ProjectRecord& record = model.record;
    static PageLayout layout;
    PageBuilder p(layout, ReportForm::Maintenance, "Maintenance Labor Savings", 10095, 7755,
                  model.locale());
    p.setPrintFontSizeCap(10);

    const Heading heading = layOutHeading(p, "Maintenance Labor Savings",
                                          {{2400, 0, 5250, 1125},
                                           {"Label31", "Label30", "Label32"},
                                           "Corvanix Payvanta",
                                           {3360, 1320, 3015},
                                           {6600, 1320, 3135},
                                           {"Label1", "Label34"},
                                           {240, 2160, 2295},
                                           {2640, 2160, 4815},
                                           2520});
    p.label("Label5", "Number of Lifts per Turn =", 240, 2880, 2295);
    // "Trun" in the name is fixed; kept on purpose.
    const Index lifts = p.field("txtNumLiftsPerTrun", 2640, 2880, 1215);
    p.label("Label4", "Hourly Maintenance Rate = ", 240, 3240, 2295);
    const Index rate = p.field("txtHourlyMaintRate", 2640, 3240, 1215);
    p.label("Label35", "Contactor Mechanical Life =", 4200, 3120, 2295);
    const Index mechLife = p.field("txtContactorMechLife", 6600, 3120, 1215);
    p.label("Label36", "Operations", 7920, 3120, 1095);
    p.label("Label3", "Contactor Electrical Life (tips) =", 240, 3600, 2535);
    const Index elecLife = p.field("txtContactorElecLife", 2880, 3600, 1215);
    p.label("Label6", "Operations", 4200, 3600, 1095);
    p.label("Label28", "Brake Shoe Life =", 240, 3960, 2535);
    const Index brakeLife = p.field("txtBrakeLife", 2880, 3960, 1215);
    p.label("Label33", "Days", 4200, 3960, 735);

    p.label("lblHeadingMoves", "Moves", 2040, 4440, kCellWidth, Align::Center);
    p.label("lblHeadingContactorCycles", "Contactor Cycles", 3000, 4440, 1575, Align::Center);
    p.label("lblHeadingTime", "Time (hrs)", 4680, 4440, 960, Align::Center);
    p.label("lblHeadingChangeOut", "Change Out Frequency", 5880, 4440, 2415, Align::Center);
    p.label("lblHeadingAnnual", "Annual", 8520, 4440, kCostWidth, Align::Center);
    p.label("Label27", "Motion", 240, 4680, 1575);
    constexpr std::array<std::string_view, kColumns> kHeadings{
        "per Turn", "per Turn", "per Day", "Tip Change", "Days", "Months", "Years", "Cost"};
    for (std::size_t c = 0; c < kColumns; ++c) {
        p.label("lblHeading" + std::string(kCellNames[c].substr(3)), std::string(kHeadings[c]),
                kColumnLefts[c], 4680, c == kCost ? kCostWidth : kCellWidth, Align::Center);
    }
    std::array<std::array<Index, kColumns>, 5> cell{};
    for (std::size_t r = 0; r < kTableRows.size(); ++r) {
        const TableRow& row = kTableRows[r];
        p.label(row.labelName, std::string(row.label), 240, kRowTops[r], 1575);
        for (std::size_t c = 0; c < kColumns; ++c) {
            if (row.has[c]) {
                cell[r][c] = p.field(NameBuffer() << kCellNames[c] << row.suffix, kColumnLefts[c],
                                     kRowTops[r], c == kCost ? kCostWidth : kCellWidth);
            }
        }
    }
    constexpr std::array<int, 5> kRules{1920, 2880, 4680, 5640, 8400};
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        p.rule("Line" + std::to_string(i + 1), kRules[i], 5040, 0, 1680);
    }
    p.label("Label29", "Annual Maintenance Labor Savings Estimate =", 4320, 6840, 4095);
    const Index total = p.field("txtCostTotal", 8520, 6840, kCostWidth);
    const Index page = p.field("lblPage", 4223, 7320, 1335, Align::Center);
    // The page label prints as the screen shows it, whatever the print font.
    p.keepDesignFont({"lblPage"});

    // The fields, in the order the page computes them.
    const calc::Reader num(record, p.locale());
    fillHeading(p, heading, model, generalDate(in.now, p.locale()));
    p.setText(page, "");
    p.set(lifts, [&] { return p.format(num(Field::NumLifts), "##,##0"); });
    p.set(rate, [&] { return p.format(num(Field::MaintPerHour), "##,##0.00"); });
    p.set(elecLife, [&] { return p.format(num(Field::ContactElec), "##,##0"); });
    p.set(mechLife, [&] { return p.format(num(Field::ContactMech), "##,##0"); });
    p.set(brakeLife, [&] { return p.format(num(Field::ShoeLife), "##,##0"); });

    constexpr std::array<Motion, 3> kOrder{Motion::Hoist, Motion::Trolley, Motion::Bridge};
    constexpr std::size_t kContactor = 3;
    constexpr std::size_t kBrake = 4;
    const auto at = [&](std::size_t r, std::size_t c) { return cell[r][c]; };
    // Each motion makes 4 (hoist) or 2 moves per lift, each move 2 contactor operations, and
    // the model's day has 3 turns.
    for (std::size_t r = 0; r < 3; ++r) {
        const double movesPerLift = r == 0 ? 4 : 2;
        p.set(at(r, kMoves), [&] { return p.plain(mul(p.shown(lifts), movesPerLift)); });
    }
    const auto columnTotal = [&](std::size_t c) {
        return p.plain(add(add(p.shown(at(0, c)), p.shown(at(1, c))), p.shown(at(2, c))));
    };
    for (std::size_t r = 0; r < 3; ++r) {
        p.set(at(r, kCycleTurn), [&] { return p.plain(mul(p.shown(at(r, kMoves)), 2)); });
    }
    p.set(at(kContactor, kCycleTurn), [&] { return columnTotal(kCycleTurn); });
    for (std::size_t r = 0; r < 3; ++r) {
        p.set(at(r, kCycleDay),
              [&] { return p.plain(mul(p.shown(at(r, kCycleTurn)), EnergyModel::kTurnsPerDay)); });
    }
    p.set(at(kContactor, kCycleDay), [&] { return columnTotal(kCycleDay); });
    for (std::size_t r = 0; r < 3; ++r) {
        const double minutes =
            r == 0 ? MaintenanceModel::kHoistTipMinutes : MaintenanceModel::kTravelTipMinutes;
        p.set(at(r, kTipChange), [&] { return p.format(minutes / 60, "##,##0.00"); });
    }
    p.set(at(kContactor, kTipChange), [&] {
        return p.format(add(add(p.shown(at(0, kTipChange)), p.shown(at(1, kTipChange))),
                            p.shown(at(2, kTipChange))),
                        "##,##0.0");
    });
    p.set(at(kBrake, kTipChange), [&] { return p.format(kShoeChangeHours, "##,##0.00"); });
    for (std::size_t r = 0; r < 3; ++r) {
        p.set(at(r, kDays), [&] {
            return p.format(div(p.shown(elecLife), p.shown(at(r, kCycleDay))), "##,##0.00");
        });
    }
    p.set(at(kBrake, kDays), [&] { return p.format(p.shown(brakeLife), "##,##0.0"); });
    for (const std::size_t r : {0u, 1u, 2u, 4u}) {
        p.set(at(r, kMonths),
              [&] { return p.format(div(p.shown(at(r, kDays)), 30), "##,##0.00"); });
    }
    for (const std::size_t r : {0u, 1u, 2u, 4u}) {
        p.set(at(r, kYears),
              [&] { return p.format(div(12, p.shown(at(r, kMonths))), "##,##0.00"); });
    }
    for (std::size_t r = 0; r < 3; ++r) {
        const Motion m = kOrder[r];
        p.set(at(r, kCost), [&] {
            if (num(motorVoltsField(m)) == 0) {
                return p.format(0, "Currency");
            }
            return p.format(
                mul(mul(mul(p.shown(rate), p.shown(at(r, kTipChange))), p.shown(at(r, kYears))),
                    num(numMotorField(m))),
                "Currency");
        });
    }
    p.set(at(kContactor, kCost), [&] {
        return p.format(
            add(add(p.shown(at(0, kCost)), p.shown(at(1, kCost))), p.shown(at(2, kCost))),
            "Currency");
    });
    // The brake shoes belong to the hoist and are not counted per motor.
    p.set(at(kBrake, kCost), [&] {
        if (num(Field::MotorVoltsHoist) == 0) {
            return p.format(0, "Currency");
        }
        return p.format(
            mul(mul(p.shown(rate), p.shown(at(kBrake, kTipChange))), p.shown(at(kBrake, kYears))),
            "Currency");
    });
    // The model's total, which is not the sum of the cost column.
    p.set(total, [&] { return p.format(model.maintenance.maintenanceSavingsTotal, "Currency"); });
    return p.take();
}

} // namespace payvanta::reports
