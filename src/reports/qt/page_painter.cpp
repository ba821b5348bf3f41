#include "page_painter.h"

#include "chart_painter.h"
#include "logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace payvanta::reports::qt {

namespace {

QString toQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    // The print position: a line of text without a place of its own goes below the last.
    double nextLine = 0;
    for (const PrintItem& item : page.items) {
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
            const QFont font = qtFont(item.font);
            painter.setFont(font);
            const QFontMetricsF metrics(font, painter.device());
            const double top = item.top ? units(*item.top) : nextLine;
            QString text = toQt(item.text);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (item.width > 0) {
                // A label of the form: the text in its box, wrapped where the box holds
                // more than one line, never cut off.
                const bool wrap = item.height > 2 * 255;
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
