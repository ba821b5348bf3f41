#include "savings_model.h"

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
    energy.CalcBridgeEnergy(record, locale_, summary.lblSummaryEnergy);
    energy.CalcTrolleyEnergy(record, locale_, summary.lblSummaryEnergy);
    energy.CalcHoistEnergy(record, locale_, summary.lblSummaryEnergy);
    inventory.UpdateInventorySavings(record, locale_, summary.lblSummaryInventory);
    maintenance.UpdateMaintenanceSavings(record, locale_, summary.lblSumaryMaintenance);

    // The total is formed from the displayed amounts, so it is always the sum of what
    // the user sees.
    const auto maintenanceShown = numbers::parse(summary.lblSumaryMaintenance, locale_);
    const auto inventoryShown = numbers::parse(summary.lblSummaryInventory, locale_);
    const auto energyShown = numbers::parse(summary.lblSummaryEnergy, locale_);
    if (!maintenanceShown || !inventoryShown || !energyShown) {
        return;
    }
    const double total = (*inventoryShown + *maintenanceShown) + *energyShown;
    try {
        summary.lblSummaryTotal = numbers::format(total, numbers::kCurrency, locale_);
    } catch (const std::exception&) {
        // An overflowing total keeps the previous text.
    }
}

} // namespace payvanta
