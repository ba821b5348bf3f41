#include "logo.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QtMath>

namespace payvanta::reports::qt {

namespace {

const QColor kBlue(0x1f, 0x4e, 0x8c);
const QColor kSteel(0x6b, 0x7a, 0x8f);

// A crane hook hanging from its block, drawn in a square of side s at the origin.
QPainterPath hook(qreal s) {
    QPainterPath path;
    // The block and the rope.
    path.addRoundedRect(QRectF(0.30 * s, 0.02 * s, 0.40 * s, 0.18 * s), 0.04 * s, 0.04 * s);
    path.addRect(QRectF(0.47 * s, 0.20 * s, 0.06 * s, 0.16 * s));
    // The hook: a thick arc open to the upper left, ending in a point.
    QPainterPath arc;
    arc.moveTo(0.56 * s, 0.36 * s);
    arc.lineTo(0.56 * s, 0.60 * s);
    arc.arcTo(QRectF(0.26 * s, 0.46 * s, 0.30 * s, 0.30 * s), 0, -270);
    QPainterPathStroker stroke;
    stroke.setWidth(0.09 * s);
    stroke.setCapStyle(Qt::RoundCap);
    stroke.setJoinStyle(Qt::RoundJoin);
    path.addPath(stroke.createStroke(arc));
    return path.simplified();
}

} // namespace

void drawLogo(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = area.height();
    const qreal mark = h * 0.9;
    painter.translate(area.left(), area.top() + (h - mark) / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawPath(hook(mark));
    painter.resetTransform();
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The name beside the hook, "QVR" in steel grey, on a rule.
    QFont name(QStringLiteral("Arial"));
    name.setBold(true);
    name.setPixelSize(qMax(1, qRound(h * 0.42)));
    QFont model = name;
    model.setBold(false);
    const QString first = QStringLiteral("STRAVOLUX ");
    const QString second = QStringLiteral("QVR");
    const qreal textLeft = area.left() + mark * 1.05;
    // The name fills the width beside the hook and no more.
    const qreal room = area.right() - textLeft;
    const qreal wanted = QFontMetricsF(name, painter.device()).horizontalAdvance(first) +
                         QFontMetricsF(model, painter.device()).horizontalAdvance(second);
    if (wanted > room && wanted > 0) {
        name.setPixelSize(qMax(1, qFloor(name.pixelSize() * room / wanted)));
        model.setPixelSize(name.pixelSize());
    }
    const QFontMetricsF nameMetrics(name, painter.device());
    const qreal baseline = area.top() + h * 0.62;
    painter.setFont(name);
    painter.setPen(kBlue);
    painter.drawText(QPointF(textLeft, baseline), first);
    painter.setFont(model);
    painter.setPen(kSteel);
    painter.drawText(QPointF(textLeft + nameMetrics.horizontalAdvance(first), baseline), second);
    const qreal ruleTop = baseline + h * 0.12;
    painter.fillRect(QRectF(textLeft, ruleTop, area.right() - textLeft, h * 0.04), kBlue);
    painter.restore();
}

} // namespace payvanta::reports::qt
