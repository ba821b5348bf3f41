#include "page_painter.h"

#include "chart_painter.h"
#include "logo.h"
#include "qt_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <map>
#include <vector>

namespace payvanta::reports::qt {

namespace {

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// A text of a form's box: one that wraps within its box holds more than two rows.
bool wraps(const PrintItem& item) {
    return item.width > 0 && item.height > 2 * 255;
}

// The room kept between the cells of a table, so that two full cells never touch.
constexpr double kCellGap = 40; // twips

// The font a text prints in, made smaller by the scale.
QFont scaledFont(const PrintItem& item, double scale) {
    QFont font = qtFont(item.font);
    if (scale < 1) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

bool fitsItsBox(const PrintItem& item, const QFont& font, const QStringList& lines,
                const QPaintDevice* device, double twipsPerUnit) {
    const QFontMetricsF metrics(font, device);
    if (item.width > 0) {
        const double room = (item.width - (item.fitGroup != 0 ? kCellGap : 0)) / twipsPerUnit;
        for (const QString& line : lines) {
            if (metrics.horizontalAdvance(line) > room) {
                return false;
            }
        }
    }
    return item.height <= 0 || metrics.height() <= item.height / twipsPerUnit;
}

// How much smaller than its font a text must print to stay within its box, across and
// down: 1 where it fits, as nearly every text does at the sizes the pages allow.
double fitScale(const PrintItem& item, const QPaintDevice* device, double twipsPerUnit) {
    if (item.kind != PrintItem::Kind::Text || wraps(item) ||
        (item.width <= 0 && item.height <= 0)) {
        return 1;
    }
    const QStringList lines = toQt(item.text).split(QStringLiteral("\r\n"));
    double scale = 1;
    // The width of a text grows about in step with its size, not exactly: a few smaller
    // steps find the size that fits.
    for (int step = 0;
         step < 20 && !fitsItsBox(item, scaledFont(item, scale), lines, device, twipsPerUnit);
         ++step) {
        const QFontMetricsF metrics(scaledFont(item, scale), device);
        double needed = 0.98;
        if (item.width > 0) {
            const double room = (item.width - (item.fitGroup != 0 ? kCellGap : 0)) / twipsPerUnit;
            for (const QString& line : lines) {
                const double advance = metrics.horizontalAdvance(line);
                if (advance > room && advance > 0) {
                    needed = std::min(needed, room / advance);
                }
            }
        }
        if (item.height > 0) {
            needed = std::min(needed, item.height / twipsPerUnit / metrics.height());
        }
        scale *= std::clamp(needed, 0.5, 0.99);
    }
    return scale;
}

// The scale of each item: its own, or the smallest of its group's.
std::vector<double> fitScales(const PrintPage& page, const QPaintDevice* device,
                              double twipsPerUnit) {
    std::vector<double> scales;
    scales.reserve(page.items.size());
    std::map<int, double> groups;
    for (const PrintItem& item : page.items) {
        scales.push_back(fitScale(item, device, twipsPerUnit));
        if (item.fitGroup != 0) {
            double& smallest = groups.try_emplace(item.fitGroup, 1.0).first->second;
            smallest = std::min(smallest, scales.back());
        }
    }
    for (std::size_t i = 0; i < scales.size(); ++i) {
        if (page.items[i].fitGroup != 0) {
            scales[i] = groups[page.items[i].fitGroup];
        }
    }
    return scales;
}

} // namespace

QFont qtFont(const PrintFont& font) {
    QFont f(QString::fromStdString(font.name));
    f.setPointSize(font.size > 0 ? font.size : 8);
    f.setBold(font.bold);
    return f;
}

void paintPage(QPainter& painter, const PrintPage& page, double twipsPerUnit) {
    const auto units = [twipsPerUnit](int twips) { return twips / twipsPerUnit; };
    painter.save();
    painter.setPen(QPen(Qt::black, 0)); // a thin line at any resolution
    painter.setBrush(Qt::NoBrush);
    const std::vector<double> scales = fitScales(page, painter.device(), twipsPerUnit);
    // The print position: a line of text without a place of its own goes below the last.
    double nextLine = 0;
    for (std::size_t i = 0; i < page.items.size(); ++i) {
        const PrintItem& item = page.items[i];
        const QRectF box(units(item.left), units(item.top.value_or(0)), units(item.width),
                         units(item.height));
        switch (item.kind) {
        case PrintItem::Kind::Line:
            painter.drawLine(box.topLeft(), box.topLeft() + QPointF(box.width(), box.height()));
            break;
        case PrintItem::Kind::Frame:
            painter.drawRect(box);
            break;
        case PrintItem::Kind::Picture:
            drawLogo(painter, box);
            break;
        case PrintItem::Kind::Chart:
            if (item.chart) {
                drawChart(painter, *item.chart, box, qtFont(item.font));
            }
            break;
        case PrintItem::Kind::Text: {
            const QFont font = scaledFont(item, scales[i]);
            painter.setFont(font);
            const QFontMetricsF metrics(font, painter.device());
            const double top = item.top ? units(*item.top) : nextLine;
            QString text = toQt(item.text);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (item.width > 0) {
                // A label of the form: the text in its box, wrapped where the box holds
                // more than one line, never cut off.
                const bool wrap = wraps(item);
                const QRectF area(box.left(), top, box.width(),
                                  wrap ? box.height() : metrics.height());
                const int flags = static_cast<int>(alignmentOf(item.align) | Qt::AlignTop) |
                                  (wrap ? Qt::TextWordWrap : Qt::TextDontClip);
                painter.drawText(area, flags | Qt::TextDontClip, text);
            } else {
                painter.drawText(QPointF(box.left(), top + metrics.ascent()), text);
            }
            nextLine = top + metrics.height();
            break;
        }
        }
    }
    painter.restore();
}

} // namespace payvanta::reports::qt
