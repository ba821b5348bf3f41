#pragma once

#include "locale_conventions.h"
#include "project_record.h"

namespace payvanta {

// The yearly labour of changing the contactor tips of each motion and the hoist brake
// shoes, which the retrofit saves.
class MaintenanceModel {
public:
    // Labour per change-out, in hours, as the model values it (rounded to one decimal:
    // the hoist's 100 minutes count as 1.7 hours).
    static constexpr double kHoistTipMinutes = 100;
    static constexpr double kTravelTipMinutes = 90;

    // Sets maintenanceSavingsTotal, dollars per year. Stops silently at the first value it
    // cannot read or compute, with the result false: the total keeps what the steps before
    // the failure left in it.
    bool updateMaintenanceSavings(const ProjectRecord& record, const LocaleConventions& locale);

    double maintenanceSavingsTotal = 0;
};

} // namespace payvanta
