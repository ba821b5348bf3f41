#pragma once

#include "field.h"
#include "locale_conventions.h"
#include "project_record.h"

#include <array>

namespace payvanta {

// Keeps the fifth step of each motion's duty cycle consistent with its speed, distance
// and first four steps. One movement takes distance / speed x 60 seconds; the fifth step
// is what remains of that travel time after steps 1 to 4.
class DutyCycle {
public:
    // Recomputes the motion's travel time and then completes its duty cycle. Does
    // nothing while the distance or the speed is empty or not a number, the distance is
    // not above 0 or the speed is 0.
    void updateDutyCycle(Motion m, ProjectRecord& record, const LocaleConventions& locale);

    // Writes the travel time held from the last update into step 5, then subtracts each
    // numeric step 1 to 4 in turn, each difference passing through the field's text.
    // False when a step is below 0.25 seconds or the fifth step ends below 0.
    bool completeDutyCycle(Motion m, ProjectRecord& record, const LocaleConventions& locale);

    double travelTime(Motion m) const { return travelTime_[static_cast<std::size_t>(m)]; }

    static constexpr double kMinimumStep = 0.25;

private:
    std::array<double, 3> travelTime_{0.0, 0.0, 0.0};
};

} // namespace payvanta
