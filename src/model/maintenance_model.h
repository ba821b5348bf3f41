#pragma once

#include "locale_conventions.h"
#include "project_record.h"

#include <string>

namespace payvanta {

// The yearly labour of changing the contactor tips of each motion and the hoist brake
// shoes, which the retrofit saves.
class MaintenanceModel {
public:
    // Labour per change-out, in hours, as the model values it (rounded to one decimal:
    // the hoist's 100 minutes count as 1.7 hours).
    static constexpr double kHoistTipMinutes = 100;
    static constexpr double kTravelTipMinutes = 90;
    static constexpr double kShoeChangeHours = 2;

    // Sets MaintenanceSavingsTotal and the summary text. Stops silently at the first value
    // it cannot read or compute: the text keeps its previous amount and the total what
    // the steps before the failure left in it.
    void UpdateMaintenanceSavings(const ProjectRecord& record, const LocaleConventions& locale,
                                  std::string& lblSumaryMaintenance);

    double MaintenanceSavingsTotal = 0;
};

} // namespace payvanta
