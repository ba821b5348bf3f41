#include "savings_model.h"

#include "calc_steps.h"
#include "number_text.h"

namespace payvanta {

SavingsModel::SavingsModel(LocaleConventions locale) : locale_(std::move(locale)) {
    energy.LoadBridgeFactors();
    energy.LoadHoistFactors();
    energy.LoadTrolleyFactors();
}

void SavingsModel::RecalculateAll() {
    if (!state.RecalcEnabled) {
        return;
    }
    // Each model shows its amount when it finished; one that stopped leaves its amount as
    // it was. The energy amount is shown after each motion, from all three motions' savings.
    const auto currency = [this](double amount) {
        return numbers::format(amount, numbers::kCurrency, locale_);
    };
    if (energy.CalcBridgeEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (energy.CalcTrolleyEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (energy.CalcHoistEnergy(record, locale_)) {
        summary.lblSummaryEnergy = currency(energy.yearlySavings());
    }
    if (inventory.UpdateInventorySavings(record, locale_)) {
        summary.lblSummaryInventory = currency(inventory.InventorySavingsTotal);
    }
    if (maintenance.UpdateMaintenanceSavings(record, locale_)) {
        summary.lblSumaryMaintenance = currency(maintenance.MaintenanceSavingsTotal);
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
