#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace payvanta::reports {

// A chart as data: what the page painter draws on screen, on paper and in PDF. Values are
// in the chart's own units (dollars, years); every text is already formatted, as the
// numbers module writes it.
struct ChartTick {
    double value = 0;
    std::string text;
};

struct ChartBar {
    std::string label;     // under the bar
    std::string valueText; // at the bar's end
    double value = 0;
    int series = 0; // its colour and its entry in the legend
};

struct Chart {
    enum class Kind : std::uint8_t { Bars, Line };
    Kind kind = Kind::Bars;
    std::string title;
    std::vector<std::string> series;   // the legend, by series
    std::vector<ChartTick> valueTicks; // up the value axis: the first and the last bound it
    std::vector<ChartBar> bars;        // Bars: left to right
    std::vector<double> points;        // Line: the value at x = 0, 1, 2, ...
    std::vector<ChartTick> xTicks;     // Line: labels along the x axis, at their x
    std::string xTitle;
    std::optional<double> markerX; // Line: a point marked where the line crosses zero
    std::string markerText;
    std::string note; // a line under the chart: what it leaves out, and why
};

// Round steps for a value axis that holds low, high and zero: each step 1, 2 or 5 times a
// power of ten, about `steps` of them. Two values (0 and 1) when there is nothing to hold;
// none when the values are not finite or so large that a step past them is not.
std::vector<double> axisSteps(double low, double high, int steps);

} // namespace payvanta::reports
