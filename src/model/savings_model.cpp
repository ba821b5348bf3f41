#include "savings_model.h"

#include "calc_steps.h"
#include "number_text.h"

namespace payvanta {

SavingsModel::SavingsModel(LocaleConventions locale) : locale_(std::move(locale)) {
    energy.loadBridgeFactors();
    energy.loadHoistFactors();
    energy.loadTrolleyFactors();
}

void SavingsModel::RecalculateAll() {
    if (!state.recalcEnabled) {
        return;
    }
    // Each model shows its amount when it finished; one that stopped leaves its amount as
    // it was. The energy amount is shown after each motion, from all three motions' savings.
    const auto currency = [this](double amount) {
        return numbers::format(amount, numbers::kCurrency, locale_);
    };
    if (energy.calcBridgeEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (energy.calcTrolleyEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (energy.calcHoistEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (inventory.updateInventorySavings(record, locale_)) {
        summary.lblSummaryInventory = currency(inventory.inventorySavingsTotal);
    }
    if (maintenance.updateMaintenanceSavings(record, locale_)) {
        summary.lblSumaryMaintenance = currency(maintenance.maintenanceSavingsTotal);
    }

    // The total is formed from the displayed amounts, so it is always the sum of what
    // the user sees.
    const auto maintenanceShown = numbers::parse(summary.lblSumaryMaintenance, locale_);
    const auto inventoryShown = numbers::parse(summary.lblSummaryInventory, locale_);
    const auto energyShown = numbers::parse(summary.lblSummaryEnergy, locale_);
    if (!maintenanceShown || !inventoryShown || !energyShown) {
        return;
    }
    try {
        const double total = calc::add(calc::add(*inventoryShown, *maintenanceShown), *energyShown);
        summary.lblSummaryTotal = currency(total);
    } catch (const calc::CalcStop&) {
        // An overflowing total keeps the previous text.
    }
}

} // namespace payvanta
