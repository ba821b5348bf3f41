#pragma once

#include "locale_conventions.h"
#include "project_record.h"

namespace payvanta {

// The yearly spare parts that the contactors of each motion and the hoist brake consume
// under resistor-and-contactor control, which the retrofit saves.
class InventoryModel {
public:
    static constexpr double kHoistTipPairsPerChange = 10;
    static constexpr double kTravelTipPairsPerChange = 9;

    // Sets inventorySavingsTotal, dollars per year. Stops silently at the first value it
    // cannot read or compute, with the result false: the total keeps its previous value
    // when the change-out rates cannot be had, and otherwise what the motions before the
    // failure added up to.
    bool updateInventorySavings(const ProjectRecord& record, const LocaleConventions& locale);

    double inventorySavingsTotal = 0;
};

} // namespace payvanta
