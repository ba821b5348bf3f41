#include "chart_painter.h"

#include "qt_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace payvanta::reports::qt {

namespace {

const QColor kGrid(0xd8, 0xdc, 0xe2);
const QColor kAxis(0x40, 0x40, 0x40);
const QColor kLine(0x2f, 0x4f, 0x7f);
const QColor kMarker(0xa2, 0x3b, 0x2a);

QFont smaller(const QFont& font) {
    QFont f = font;
    f.setBold(false);
    f.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
    return f;
}

// Maps values to heights in the plot: the first tick at the bottom, the last at the top.
struct ValueScale {
    double low = 0;
    double high = 1;
    QRectF plot;

    double y(double value) const {
        const double range = high > low ? high - low : 1;
        return plot.bottom() - (value - low) / range * plot.height();
    }
};

} // namespace

QColor seriesColour(int series) {
    static const std::array<QColor, 3> kColours{QColor(0x4f, 0x6d, 0x9a), QColor(0x8a, 0x9a, 0x5b),
                                                QColor(0xc4, 0x9a, 0x54)};
    return kColours[static_cast<std::size_t>(series) % kColours.size()];
}

ChartShapes drawChart(QPainter& painter, const Chart& chart, const QRectF& box, const QFont& font) {
    ChartShapes shapes;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont title = font;
    title.setBold(true);
    const QFont small = smaller(font);
    const QFontMetricsF titleMetrics(title, painter.device());
    const QFontMetricsF smallMetrics(small, painter.device());
    const double line = smallMetrics.height();
    const double gap = line / 3;
    const double hairline = std::max(1.0, line / 12);

    // The title, and the legend under it.
    painter.setPen(kAxis);
    painter.setFont(title);
    double top = box.top();
    painter.drawText(QRectF(box.left(), top, box.width(), titleMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, toQt(chart.title));
    top += titleMetrics.height() + gap;
    painter.setFont(small);
    double x = box.left();
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
        const QRectF swatch(x, top + line * 0.25, line * 0.9, line * 0.5);
        if (chart.kind == Chart::Kind::Bars) {
            painter.fillRect(swatch, seriesColour(static_cast<int>(s)));
        } else {
            painter.fillRect(
                QRectF(swatch.left(), swatch.center().y() - hairline, swatch.width(), 2 * hairline),
                kLine);
        }
        x = swatch.right() + gap;
        const QString name = toQt(chart.series[s]);
        painter.setPen(kAxis);
        painter.drawText(QPointF(x, top + smallMetrics.ascent()), name);
        x += smallMetrics.horizontalAdvance(name) + 2 * gap;
    }
    top += line + gap;

    // The bottom: the note, the x title and the labels along the axis.
    double bottom = box.bottom();
    if (!chart.note.empty()) {
        bottom -= line;
        painter.drawText(QRectF(box.left(), bottom, box.width(), line), Qt::AlignLeft,
                         toQt(chart.note));
    }
    if (!chart.xTitle.empty()) {
        bottom -= line;
        painter.drawText(QRectF(box.left(), bottom, box.width(), line), Qt::AlignHCenter,
                         toQt(chart.xTitle));
    }
    bottom -= line + gap;

    // The value axis: as wide as its widest label.
    double labelWidth = 0;
    for (const ChartTick& t : chart.valueTicks) {
        labelWidth = std::max(labelWidth, smallMetrics.horizontalAdvance(toQt(t.text)));
    }
    ValueScale scale;
    scale.plot = QRectF(QPointF(box.left() + labelWidth + gap, top + line),
                        QPointF(box.right() - gap, bottom));
    if (scale.plot.width() <= 0 || scale.plot.height() <= 0) {
        painter.restore();
        return shapes;
    }
    const QRectF& plot = scale.plot;
    if (!chart.valueTicks.empty()) {
        scale.low = chart.valueTicks.front().value;
        scale.high = chart.valueTicks.back().value;
    }
    for (const ChartTick& t : chart.valueTicks) {
        const double y = scale.y(t.value);
        painter.setPen(QPen(t.value == 0 ? kAxis : kGrid, hairline));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kAxis);
        painter.drawText(QRectF(box.left(), y - line / 2, labelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, toQt(t.text));
    }
    painter.setPen(QPen(kAxis, hairline));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    const double zero = scale.y(0);

    if (chart.kind == Chart::Kind::Bars && !chart.bars.empty()) {
        const double slot = plot.width() / static_cast<double>(chart.bars.size());
        for (std::size_t i = 0; i < chart.bars.size(); ++i) {
            const ChartBar& bar = chart.bars[i];
            const double left = plot.left() + slot * (static_cast<double>(i) + 0.2);
            const double end = scale.y(bar.value);
            const QRectF shape(QPointF(left, std::min(zero, end)),
                               QPointF(left + slot * 0.6, std::max(zero, end)));
            painter.fillRect(shape, seriesColour(bar.series));
            shapes.bars.push_back(shape);
            painter.setPen(kAxis);
            // The amount beyond the bar's end, the label under the axis.
            const QRectF valueBox(plot.left() + slot * static_cast<double>(i),
                                  bar.value < 0 ? shape.bottom() : shape.top() - line, slot, line);
            painter.drawText(valueBox, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip,
                             toQt(bar.valueText));
            painter.drawText(QRectF(plot.left() + slot * static_cast<double>(i),
                                    plot.bottom() + gap, slot, line),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, toQt(bar.label));
        }
    } else if (chart.kind == Chart::Kind::Line && chart.points.size() > 1) {
        const double last = static_cast<double>(chart.points.size() - 1);
        const auto xOf = [&](double v) { return plot.left() + v / last * plot.width(); };
        for (const ChartTick& t : chart.xTicks) {
            const double tx = xOf(t.value);
            painter.setPen(QPen(kAxis, hairline));
            painter.drawLine(QPointF(tx, plot.bottom()), QPointF(tx, plot.bottom() + gap / 2));
            painter.drawText(QRectF(tx - line * 2, plot.bottom() + gap, line * 4, line),
                             Qt::AlignHCenter | Qt::AlignTop, toQt(t.text));
        }
        QPainterPath path;
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            const QPointF p(xOf(static_cast<double>(i)), scale.y(chart.points[i]));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.setPen(QPen(kLine, 2 * hairline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(kLine);
        painter.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            painter.drawEllipse(QPointF(xOf(static_cast<double>(i)), scale.y(chart.points[i])),
                                1.5 * hairline, 1.5 * hairline);
        }
        if (chart.markerX) {
            // The payback: where the line crosses zero, ringed, with its words beside it.
            const QPointF at(xOf(*chart.markerX), zero);
            painter.setPen(QPen(kMarker, hairline, Qt::DashLine));
            painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
            painter.setPen(QPen(kMarker, 2 * hairline));
            painter.setBrush(Qt::white);
            painter.drawEllipse(at, line / 3, line / 3);
            const QString text = toQt(chart.markerText);
            const double width = smallMetrics.horizontalAdvance(text);
            // Below the zero line and right of the point, where a rising line never is.
            const double apart = line / 2 + gap;
            const bool leftOfIt = at.x() + apart + width > plot.right();
            painter.setPen(kMarker);
            painter.drawText(QPointF(leftOfIt ? at.x() - apart - width : at.x() + apart,
                                     zero + apart + smallMetrics.ascent()),
                             text);
        }
    }
    painter.restore();
    return shapes;
}

} // namespace payvanta::reports::qt
