#pragma once

#include "locale_conventions.h"
#include "project_record.h"

#include <string>

namespace payvanta {

// The yearly spare parts that the contactors of each motion and the hoist brake consume
// under resistor-and-contactor control, which the retrofit saves.
class InventoryModel {
public:
    static constexpr double kHoistTipPairsPerChange = 10;
    static constexpr double kTravelTipPairsPerChange = 9;

    // Sets InventorySavingsTotal and the summary text. Stops silently at the first value
    // it cannot read or compute: the text keeps its previous amount.
    void UpdateInventorySavings(const ProjectRecord& record, const LocaleConventions& locale,
                                std::string& lblSummaryInventory);

    double InventorySavingsTotal = 0;
};

} // namespace payvanta
