#include "painted_icons_style.h"

#include "group_box_frame.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QStyleOption>
#include <algorithm>

namespace payvanta::ui::qt {

namespace {

// The menu bar's overflow arrow, "»": two chevrons pointing right, in the colour of a
// button's text, drawn at whatever size it is asked for.
class OverflowArrowEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal side = std::min(rect.width(), rect.height());
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        QPen pen(QGuiApplication::palette().color(group, QPalette::ButtonText));
        pen.setWidthF(std::max<qreal>(1.0, side / 8));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);

        // Each chevron a quarter of the side wide and half of it high, the two a quarter
        // apart, centred in the rectangle.
        const QPointF centre = QRectF(rect).center();
        const qreal half = side / 4;
        QPainterPath arrows;
        for (const qreal x : {-side / 4, 0.0}) {
            arrows.moveTo(centre + QPointF(x, -half));
            arrows.lineTo(centre + QPointF(x + side / 4, 0));
            arrows.lineTo(centre + QPointF(x, half));
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(arrows);
        painter->restore();
    }

    QIconEngine* clone() const override { return new OverflowArrowEngine; }
};

// Qt's raster engine hands a paint of about a hundred spans or more to its thread pool,
// in pieces, and waits for them: the pool's threads are started for it, and each paint
// then costs a round of wake-ups dearer than the paint itself. A tall scroll bar is
// painted in bands of rows few enough to stay on the painting thread.
constexpr int kBandRows = 64;

bool isFusion(const QStyle* style) {
    return style != nullptr &&
           style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace

QIcon PaintedIconsStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new OverflowArrowEngine);
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void PaintedIconsStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !isFusion(baseStyle())) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's own room above the frame: the title's, unless the box has neither title nor
    // check box.
    constexpr int kTopMargin = 3;
    int top = kTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
        top += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                        option->fontMetrics.height());
    }
    drawGroupBoxFrame(painter, option->rect.adjusted(0, top, 0, 0));
}

void PaintedIconsStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
    const QRect& area = option->rect;
    if (control != CC_ScrollBar || !isFusion(baseStyle()) ||
        std::max(area.width(), area.height()) <= kBandRows) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Fusion sets clips of its own over any of ours as it paints a scroll bar, so a long
    // bar is painted on images, a band of rows each. Fusion's groove covers the bar, so
    // each band is opaque and comes out as if painted in place. A band's painter is
    // clipped to the band's own rectangle: then Qt sets a translucent line's pixels one by
    // one rather than as spans, of which a wide bar's lines would make enough for the
    // thread pool.
    for (int top = area.top(); top <= area.bottom(); top += kBandRows) {
        const QRect rows(area.left(), top, area.width(),
                         std::min(kBandRows, area.bottom() + 1 - top));
        QImage band(rows.size(), QImage::Format_ARGB32_Premultiplied);
        band.fill(Qt::transparent);
        QPainter bandPainter(&band);
        bandPainter.setRenderHints(painter->renderHints());
        bandPainter.translate(-rows.topLeft());
        bandPainter.setClipRect(rows);
        QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        bandPainter.end();
        painter->drawImage(rows.topLeft(), band);
    }
}

} // namespace payvanta::ui::qt
