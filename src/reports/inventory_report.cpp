// The inventory page: the unit cost of each motion's contact tips and of the hoist brake
// shoes, what the DCCP control consumes of them a year, and the model's yearly total.

#include "model/change_outs.h"
#include "model/inventory_model.h"
#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"

#include <array>
#include <optional>

namespace payvanta::reports {

namespace {

using calc::add;
using calc::mul;
using Index = PageBuilder::Index;

} // namespace

ReportPage buildInventory(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    const ProjectRecord& record = model.record;
    static PageLayout layout;
    PageBuilder p(layout, ReportForm::Inventory, "Inventory Savings", 8580, 6120, model.locale());
    p.setPrintFontSizeCap(9);

    const Heading heading = layOutHeading(p, "Inventory Savings",
                                          {{1800, 0, 5250, 1125},
                                           {"Label14", "Label13", "Label15"},
                                           "Corvanix Payvanta",
                                           {2325, 1365, 3015},
                                           {6360, 1440, 1935, 495},
                                           {"lblCustomer", "Label16"},
                                           {480, 2520, 900},
                                           {1440, 2520, 4815},
                                           2880});

    p.label("Label3", "Costs", 1680, 3480, 3255, Align::Center);
    p.label("Label2", "Annual Costs", 5160, 3480, 3135, Align::Center);
    p.label("Label12", "Motion", 480, 3840, 1095);
    p.label("Label8", "Tips (Pair)", 1680, 3840, 1575, Align::Right);
    p.label("Label7", "Shoes (Each)", 3360, 3840, 1575, Align::Right);
    p.label("Label6", "Tips", 5160, 3840, 975, Align::Right);
    p.label("Label5", "Shoes", 6240, 3840, 975, Align::Right);
    p.label("Label4", "Totals", 7320, 3840, 975, Align::Right);

    struct Row {
        Motion motion;
        std::string_view labelName;
        int top;
    };
    constexpr std::array<Row, 3> kRows{{{Motion::Hoist, "Label11", 4200},
                                        {Motion::Trolley, "Label10", 4560},
                                        {Motion::Bridge, "Label9", 4920}}};
    std::array<Index, 3> unitCost{};
    std::array<Index, 3> annualTips{};
    std::array<Index, 3> totals{};
    Index shoeCost = 0;
    Index annualShoes = 0;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const std::string motion(motionName(kRows[r].motion));
        const int top = kRows[r].top;
        p.label(std::string(kRows[r].labelName), motion, 480, top, 1095);
        unitCost[r] = p.field("txtContact" + motion, 1680, top, 1575);
        if (r == 0) {
            shoeCost = p.field("txtBrakeShoe", 3360, top, 1575);
        }
        annualTips[r] = p.field("txtContactCost" + motion, 5160, top, 975);
        if (r == 0) {
            annualShoes = p.field("txtBrakeShoeCost", 6240, top, 975);
        }
        totals[r] = p.field("txtContactTotal" + motion, 7320, top, 975);
    }
    p.rule("Line1", 1560, 3840, 0, 1320);
    p.rule("Line2", 5040, 3840, 0, 1320);
    p.label("Label1", "Annual Inventory Savings Estimate =", 4440, 5280, 2775);
    // "Invetory" in the name is fixed; kept on purpose.
    const Index total = p.field("txtAnnualInvetorySavings", 7320, 5280, 975);
    const Index page = p.field("lblPage", 3623, 5760, 1335, Align::Center);
    // The page label prints as the screen shows it, whatever the print font.
    p.keepDesignFont({"lblPage"});

    // The fields, in the order the page computes them.
    const calc::Reader num(record, p.locale());
    fillHeading(p, heading, model, generalDate(in.now, p.locale()));
    p.setText(page, "");
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        p.set(unitCost[r],
              [&] { return p.format(num(contactCostField(kRows[r].motion)), "Currency"); });
    }
    p.set(shoeCost, [&] { return p.format(num(Field::BrakeShoe), "Currency"); });
    // The change-out rates of the inventory model, each rounded to one decimal.
    std::optional<ChangeOuts> changes;
    try {
        changes = ChangeOuts::compute(num);
    } catch (const calc::CalcStop&) {
        // The cells that need them stay empty.
    }
    const auto changesOf = [&](Motion m) {
        if (!changes) {
            throw calc::CalcStop{};
        }
        return changes->of(m);
    };
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const Motion m = kRows[r].motion;
        const double pairs = m == Motion::Hoist ? InventoryModel::kHoistTipPairsPerChange
                                                : InventoryModel::kTravelTipPairsPerChange;
        p.set(annualTips[r], [&] {
            return p.format(mul(mul(p.shown(unitCost[r]), pairs), changesOf(m)), "Currency");
        });
    }
    // A brake-shoe change-out replaces two shoes.
    p.set(annualShoes, [&] {
        if (!changes) {
            throw calc::CalcStop{};
        }
        return p.format(mul(add(p.shown(shoeCost), p.shown(shoeCost)), changes->shoes), "Currency");
    });
    // A motion without a motor still shows its tips, but adds nothing to its total.
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const Motion m = kRows[r].motion;
        p.set(totals[r], [&] {
            if (num(motorVoltsField(m)) == 0) {
                return p.format(0, "Currency");
            }
            const double annual = m == Motion::Hoist
                                      ? add(p.shown(annualTips[r]), p.shown(annualShoes))
                                      : p.shown(annualTips[r]);
            return p.format(mul(annual, num(numMotorField(m))), "Currency");
        });
    }
    p.set(total, [&] { return p.format(model.inventory.inventorySavingsTotal, "Currency"); });
    return p.take();
}

} // namespace payvanta::reports
