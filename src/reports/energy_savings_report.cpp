// The energy savings page: the energy of the three motions side by side, under DCCP and
// under the drive, per cycle, turn and year, in kW-hr and in money.

#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"

#include <array>

namespace payvanta::reports {

namespace {

using calc::mul;
using Index = PageBuilder::Index;

enum Group { kHoist, kTrolley, kBridge, kTotals, kGroups };
constexpr std::array<std::string_view, kGroups> kGroupNames{"Hoist", "Trolley", "Bridge", "Totals"};

constexpr int kRows = 7;
// The rows, top to bottom: their label and the names their cells are made of.
struct Row {
    std::string_view label;
    std::string_view labelName;
    std::string_view cells; // "txtDCCPperCycle", followed by "KwHr" or "Cost" and the group
};
constexpr std::array<Row, kRows> kRowsOfTable{{
    {"DCCP per Cycle =", "Label6", "txtDCCPperCycle"},
    {"DCCP per Turn =", "Label5", "txtDCCPperTurn"},
    {"QVR per Cycle =", "Label4", "txtQVRperCycle"},
    {"QVR per Turn =", "Label3", "txtQVRperTurn"},
    {"Savings per Turn =", "Label2", "txtSavingsPerTurn"},
    {"Savings per Cycle =", "Label1", "txtSavingsPerCycle"},
    {"Savings per Year =", "Label7", "txtSavingsPerYear"},
}};
enum RowIndex {
    kDccpCycle,
    kDccpTurn,
    kQvrCycle,
    kQvrTurn,
    kSavingsTurn,
    kSavingsCycle,
    kSavingsYear
};

// The kW-hr cells of the hoist are named "...KwHrHoist", those of the other groups below
// the first row "...HoistKwHrTrolley": the names are fixed, so kept on purpose.
NameBuffer kwHrName(int row, Group g) {
    NameBuffer name;
    name << kRowsOfTable[static_cast<std::size_t>(row)].cells
         << (row == 0 || g == kHoist ? "KwHr" : "HoistKwHr") << kGroupNames[g];
    return name;
}

NameBuffer costName(int row, Group g) {
    NameBuffer name;
    name << kRowsOfTable[static_cast<std::size_t>(row)].cells << "Cost" << kGroupNames[g];
    return name;
}

struct Column {
    int kwHrLeft;
    int kwHrWidth;
    int headingLeft;
    int costLeft;
    int costWidth;
};
// The bridge cost cells stand right of their heading.
constexpr std::array<Column, kGroups> kColumns{{
    {1800, 1095, 2895, 2895, 1095},
    {4200, 975, 5280, 5280, 975},
    {6480, 975, 7560, 7680, 855},
    {8760, 1095, 9855, 9855, 1095},
}};

// The model's five figures of a motion that the first rows show.
std::array<double, 5> modelFigures(const MotionEnergy& e) {
    return {e.dccpKwHrPerCycle, e.dccpKwHrPerTurn, e.qvrKwHrPerCycle, e.qvrKwHrPerTurn,
            e.savingsKwHrPerTurn};
}

} // namespace

ReportPage buildEnergySavings(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    const ProjectRecord& record = model.record;
    static PageLayout layout;
    PageBuilder p(layout, ReportForm::EnergySavings, "Energy Savings Analysis Summary", 11040, 6960,
                  model.locale());
    p.setPrintFontSizeCap(8);

    // The company's name is spelled so on this page since it was drawn; kept on purpose.
    const Heading heading = layOutHeading(p, "Energy Savings Analysis Summary",
                                          {{3240, 0, 5250, 1125},
                                           {"Label31", "Label30", "Label32"},
                                           "Corvnix Payvanta",
                                           {3165, 1200, 3015},
                                           {8400, 1200, 2175},
                                           {"lblCustomer", "Label12"},
                                           {720, 2280, 900},
                                           {1680, 2280, 4815},
                                           2640});
    p.label("lblKwHrRate", "KW-HR Rate:", 720, 3120, 1215);
    const Index rate = p.field("txtKwHrRate", 2040, 3120, 1215, Align::Left);

    p.label("lblHoist", "Hoist", 1800, 3600, 2175, Align::Center);
    p.label("Label11", "Trolley Travel", 4200, 3600, 2055, Align::Center);
    p.label("Label10", "Bridge Travel", 6480, 3600, 2055, Align::Center);
    p.label("Label9", "Totals", 8760, 3600, 2175, Align::Center);
    for (int g = 0; g < kGroups; ++g) {
        const Column& c = kColumns[static_cast<std::size_t>(g)];
        p.label("lblKwHr(" + std::to_string(g) + ")", "KW-HR", c.kwHrLeft, 3960, c.kwHrWidth,
                Align::Right);
        p.label("lblCost(" + std::to_string(g) + ")", "Cost", c.headingLeft, 3960, c.costWidth,
                Align::Right);
    }
    std::array<std::array<Index, kGroups>, kRows> kwHr{};
    std::array<std::array<Index, kGroups>, kRows> cost{};
    for (int r = 0; r < kRows; ++r) {
        const int top = 4320 + 240 * r;
        p.label(kRowsOfTable[static_cast<std::size_t>(r)].labelName,
                std::string(kRowsOfTable[static_cast<std::size_t>(r)].label), 120, top, 1575);
        for (int g = 0; g < kGroups; ++g) {
            const Column& c = kColumns[static_cast<std::size_t>(g)];
            const auto group = static_cast<Group>(g);
            kwHr[static_cast<std::size_t>(r)][static_cast<std::size_t>(g)] =
                p.field(kwHrName(r, group), c.kwHrLeft, top, c.kwHrWidth);
            cost[static_cast<std::size_t>(r)][static_cast<std::size_t>(g)] =
                p.field(costName(r, group), c.costLeft, top, c.costWidth);
        }
    }
    p.rule("Line1", 4080, 3600, 0, 2400);
    p.rule("Line2", 6360, 3600, 0, 2400);
    p.rule("Line3", 8640, 3600, 0, 2400);
    p.label("Label8", "Annual Energy Savings Estimate =", 6480, 6240, 3015);
    const Index annual =
        p.field("txtAnnualEnergySavingsEstimate", 9720, 6240, 1215, Align::Right, 285);
    const Index page = p.field("lblPage", 4853, 6600, 1335, Align::Center);
    // The page label prints as the screen shows it, whatever the print font.
    p.keepDesignFont({"lblPage"});

    // The fields, in the order the page computes them.
    fillHeading(p, heading, model, generalDate(in.now, p.locale()));
    p.setText(rate, record.get(Field::KwHrRate));
    p.setText(page, "");
    const auto cellAt = [](const auto& table, int row, int g) {
        return table[static_cast<std::size_t>(row)][static_cast<std::size_t>(g)];
    };
    const auto costs = [&](int g) {
        for (int r = 0; r < kRows; ++r) {
            p.set(cellAt(cost, r, g), [&] {
                return p.format(mul(p.shown(rate), p.shown(cellAt(kwHr, r, g))), "Currency");
            });
        }
    };
    for (const Group g : {kBridge, kTrolley, kHoist}) {
        const auto figures = modelFigures(model.energy.results(static_cast<Motion>(g)));
        for (int r = 0; r < 5; ++r) {
            p.set(cellAt(kwHr, r, g),
                  [&] { return p.format(figures[static_cast<std::size_t>(r)], "##,##0.000"); });
        }
        // A "cycle" of savings here is one day of the model's three turns.
        p.set(cellAt(kwHr, kSavingsCycle, g), [&] {
            return p.format(mul(p.shown(cellAt(kwHr, kSavingsTurn, g)), EnergyModel::kTurnsPerDay),
                            "##,##0.000");
        });
        p.set(cellAt(kwHr, kSavingsYear, g), [&] {
            return p.format(mul(p.shown(cellAt(kwHr, kSavingsCycle, g)), EnergyModel::kDaysPerYear),
                            "##,##0.000");
        });
        costs(g);
    }
    const auto motion = [&](Motion m) { return modelFigures(model.energy.results(m)); };
    for (int r = 0; r < 5; ++r) {
        const auto i = static_cast<std::size_t>(r);
        p.set(cellAt(kwHr, r, kTotals), [&] {
            return p.format(
                calc::add(calc::add(motion(Motion::Bridge)[i], motion(Motion::Hoist)[i]),
                          motion(Motion::Trolley)[i]),
                "##,##0.000");
        });
    }
    for (const int r : {kSavingsCycle, kSavingsYear}) {
        p.set(cellAt(kwHr, r, kTotals), [&] {
            return p.format(calc::add(calc::add(p.shown(cellAt(kwHr, r, kHoist)),
                                                p.shown(cellAt(kwHr, r, kBridge))),
                                      p.shown(cellAt(kwHr, r, kTrolley))),
                            "##,##0.000");
        });
    }
    costs(kTotals);
    // The amount of the main form's energy summary, computed in the same order.
    p.set(annual, [&] {
        const calc::Reader num(record, p.locale());
        const double perTurn = calc::add(
            calc::add(motion(Motion::Bridge)[kSavingsTurn], motion(Motion::Hoist)[kSavingsTurn]),
            motion(Motion::Trolley)[kSavingsTurn]);
        return p.format(mul(num(Field::KwHrRate), mul(mul(perTurn, EnergyModel::kTurnsPerDay),
                                                      EnergyModel::kDaysPerYear)),
                        "Currency");
    });
    return p.take();
}

} // namespace payvanta::reports
