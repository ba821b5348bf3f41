#pragma once

#include "reports/chart.h"

#include <QColor>
#include <QRectF>
#include <vector>

class QFont;
class QPainter;

namespace payvanta::reports::qt {

// The colour of a series of bars: modest, and apart from each other in print as well.
QColor seriesColour(int series);

// Where a chart put its bars, in device units, left to right.
struct ChartShapes {
    std::vector<QRectF> bars;
};

// Draws the chart into the box (device units): the title and legend above, the value axis
// with its grid on the left, the bars or the line, the labels along the bottom and the
// note under them. Texts take the font (ticks and values a point smaller); lengths follow
// the font's height, so that the chart is the same on screen, on paper and in PDF, and
// sharp at any scale.
ChartShapes drawChart(QPainter& painter, const Chart& chart, const QRectF& box, const QFont& font);

} // namespace payvanta::reports::qt
