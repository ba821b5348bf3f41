#pragma once

#include "duty_cycle.h"
#include "energy_model.h"
#include "inventory_model.h"
#include "locale_conventions.h"
#include "maintenance_model.h"
#include "project_record.h"
#include "run_state.h"

#include <string>

namespace payvanta {

// The four amounts of the real-time summary, as shown: money in the locale's currency
// form, empty until first computed.
struct SummaryTexts {
    std::string lblSummaryEnergy;
    // Named, with one "m", like the label that shows it and the JSON key that holds it.
    std::string lblSumaryMaintenance;
    std::string lblSummaryInventory;
    std::string lblSummaryTotal;
};

// The open project and everything computed from it: the record, the run-time state, the
// duty cycles, the three models and the summary. The single entry point for the rest of
// the program is RecalculateAll.
class SavingsModel {
public:
    explicit SavingsModel(LocaleConventions locale = LocaleConventions::unitedStates());

    // Brings the four summary amounts up to date: the energy of bridge, trolley and
    // hoist, then the inventory, then the maintenance labour; the total is the sum of
    // the three amounts as displayed. Does nothing while recalcEnabled is false. Never
    // fails: a model that cannot finish keeps its previous amount.
    void RecalculateAll();

    void updateDutyCycle(Motion m) { dutyCycle.updateDutyCycle(m, record, locale_); }
    bool completeDutyCycle(Motion m) { return dutyCycle.completeDutyCycle(m, record, locale_); }

    const LocaleConventions& locale() const { return locale_; }

    ProjectRecord record;
    RunState state;
    DutyCycle dutyCycle;
    EnergyModel energy;
    InventoryModel inventory;
    MaintenanceModel maintenance;
    SummaryTexts summary;

private:
    LocaleConventions locale_;
};

} // namespace payvanta
