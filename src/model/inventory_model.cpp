#include "inventory_model.h"

#include "calc_steps.h"
#include "change_outs.h"

namespace payvanta {

using namespace calc;

bool InventoryModel::updateInventorySavings(const ProjectRecord& record,
                                            const LocaleConventions& locale) {
    const Reader num(record, locale);
    // Amounts are rounded to whole cents as the currency shows them.
    const auto cents = [&locale](double x) { return roundTo(locale.currencyDecimals, x); };
    try {
        const ChangeOuts changes = ChangeOuts::compute(num);
        inventorySavingsTotal = 0;
        if (num(Field::MotorVoltsHoist) != 0) {
            // A change-out replaces two brake shoes; every hoist motor has its brake.
            const double shoeAmount =
                cents(mul(add(num(Field::BrakeShoe), num(Field::BrakeShoe)), changes.shoes));
            const double tipAmount =
                cents(mul(mul(num(Field::ContactHoist), kHoistTipPairsPerChange), changes.hoist));
            inventorySavingsTotal = mul(num(Field::NumMotorHoist), add(tipAmount, shoeAmount));
        }
        for (const Motion m : {Motion::Trolley, Motion::Bridge}) {
            if (num(motorVoltsField(m)) != 0) {
                const double tipAmount = cents(
                    mul(mul(num(contactCostField(m)), kTravelTipPairsPerChange), changes.of(m)));
                inventorySavingsTotal =
                    add(mul(num(numMotorField(m)), tipAmount), inventorySavingsTotal);
            }
        }
        return true;
    } catch (const CalcStop&) {
        return false; // stop silently
    }
}

} // namespace payvanta
