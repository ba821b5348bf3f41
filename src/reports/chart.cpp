#include "chart.h"

#include <algorithm>
#include <cmath>

namespace payvanta::reports {

std::vector<double> axisSteps(double low, double high, int steps) {
    const double lo = std::min(low, 0.0);
    const double hi = std::max(high, 0.0);
    if (!std::isfinite(hi - lo) || steps < 1) {
        return {};
    }
    if (hi - lo == 0) {
        return {0, 1};
    }
    const double raw = (hi - lo) / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw) {
            step = m * magnitude;
            break;
        }
    }
    // Whole multiples of the step, so that zero is exactly one of them; each one at most
    // steps + 1 from zero, since the step is at least a steps-th of the span.
    const auto first = static_cast<long long>(std::floor(lo / step));
    const auto last = static_cast<long long>(std::ceil(hi / step));
    std::vector<double> out;
    for (long long i = first; i <= last; ++i) {
        const double tick = static_cast<double>(i) * step;
        if (!std::isfinite(tick)) {
            return {}; // the values lie too near the largest number for a step beyond them
        }
        out.push_back(tick);
    }
    return out;
}

} // namespace payvanta::reports
