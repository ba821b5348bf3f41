#include "duty_cycle.h"

#include "number_text.h"

#include <cmath>

namespace payvanta {

void DutyCycle::updateDutyCycle(Motion m, ProjectRecord& record, const LocaleConventions& locale) {
    const std::string& distanceText = record.get(distanceField(m));
    const std::string& speedText = record.get(speedField(m));
    if (distanceText.empty() || speedText.empty()) {
        return;
    }
    const auto distance = numbers::parse(distanceText, locale);
    if (!distance || !(*distance > 0)) {
        return;
    }
    // A speed of 0 or one that is not a number gives no travel time: the fifth step
    // stays as it was until the speed is set.
    const auto speed = numbers::parse(speedText, locale);
    if (!speed || *speed == 0) {
        return;
    }
    const double travel = *distance / *speed * 60.0;
    if (!std::isfinite(travel)) {
        return;
    }
    travelTime_[static_cast<std::size_t>(m)] = travel;
    completeDutyCycle(m, record, locale);
}

bool DutyCycle::completeDutyCycle(Motion m, ProjectRecord& record,
                                  const LocaleConventions& locale) {
    bool acceptable = true;
    const Field fifth = dutyCycleField(m, 5);
    record.set(fifth, numbers::plain(travelTime_[static_cast<std::size_t>(m)], locale));
    for (int step = 1; step <= 4; ++step) {
        const auto value = record.number(dutyCycleField(m, step), locale);
        if (!value) {
            continue; // an empty or non-numeric step is neither tested nor subtracted
        }
        if (*value < kMinimumStep) {
            acceptable = false;
        }
        // The fifth step is read back from its text, so each difference is exactly the
        // number the user sees.
        const double remaining = record.number(fifth, locale).value_or(0.0) - *value;
        if (!std::isfinite(remaining)) {
            return false;
        }
        record.set(fifth, numbers::plain(remaining, locale));
    }
    const auto fifthValue = record.number(fifth, locale);
    if (fifthValue && *fifthValue < 0) {
        acceptable = false;
    }
    return acceptable;
}

} // namespace payvanta
