#include "group_box_frame.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QtMath>
#include <algorithm>

namespace payvanta::ui::qt {

namespace {

// The frame's three layers, laid on in this order.
const QColor kShade(0, 0, 0, 0x03);
const QColor kInnerLine(0, 0, 0, 0x04);
const QColor kOuterLine(0x75, 0x75, 0x75, 0x32);
constexpr qreal kInnerRadius = 1;
constexpr qreal kOuterRadius = 1.3;

// Qt's raster engine hands a paint of about a hundred spans or more (a translucent fill
// has one a row, or a few where the widgets in the frame cut the row) to its thread pool
// in pieces and waits for them: the threads are started for it, and the paint costs a
// round of wake-ups dearer than the paint itself. Fills of a few rows stay on the
// painting thread.
constexpr int kRowsPerFill = 16;

// The pixels at each corner that the rounding and its smoothing touch; the outline is
// whole pixels of its colour beyond them.
constexpr int kCornerPixels = 4;

void fillInBands(QPainter* painter, const QRect& area, const QColor& colour) {
    for (int top = area.top(); top <= area.bottom(); top += kRowsPerFill) {
        painter->fillRect(
            QRect(area.left(), top, area.width(), std::min(kRowsPerFill, area.bottom() + 1 - top)),
            colour);
    }
}

// A smoothed rounded outline one pixel wide whose edges run through the middles of
// pixels. Its straight runs are filled; each corner is drawn as a rounded rectangle of
// its own, the size of two corners, clipped to the corner's pixels: a rectangle as small
// as that stays on the painting thread, and its corner comes out as the large one's.
void drawOutline(QPainter* painter, const QRectF& outline, qreal radius, const QColor& colour) {
    const QRect pixels(QPoint(qFloor(outline.left()), qFloor(outline.top())),
                       QPoint(qFloor(outline.right()), qFloor(outline.bottom())));
    constexpr int kSmall = 2 * kCornerPixels + 2;
    if (pixels.width() < kSmall || pixels.height() < kSmall) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(colour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(outline, radius, radius);
        painter->restore();
        return;
    }
    const int run = kCornerPixels;
    fillInBands(painter, QRect(pixels.left() + run, pixels.top(), pixels.width() - 2 * run, 1),
                colour);
    fillInBands(painter, QRect(pixels.left() + run, pixels.bottom(), pixels.width() - 2 * run, 1),
                colour);
    fillInBands(painter, QRect(pixels.left(), pixels.top() + run, 1, pixels.height() - 2 * run),
                colour);
    fillInBands(painter, QRect(pixels.right(), pixels.top() + run, 1, pixels.height() - 2 * run),
                colour);

    const qreal small = kSmall;
    const QRectF corner(0, 0, small, small);
    for (const QPoint at :
         {pixels.topLeft(), pixels.topRight(), pixels.bottomLeft(), pixels.bottomRight()}) {
        const bool left = at.x() == pixels.left();
        const bool top = at.y() == pixels.top();
        QRectF piece = corner;
        piece.moveLeft(left ? outline.left() : outline.right() - small);
        piece.moveTop(top ? outline.top() : outline.bottom() - small);
        const QRect zone(left ? at.x() : at.x() + 1 - run, top ? at.y() : at.y() + 1 - run, run,
                         run);
        painter->save();
        painter->setClipRect(zone, Qt::IntersectClip);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(colour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(piece, radius, radius);
        painter->restore();
    }
}

} // namespace

void drawGroupBoxFrame(QPainter* painter, const QRect& frame) {
    const QRectF outline = QRectF(frame).adjusted(1.5, 1.5, -0.5, -0.5);
    fillInBands(painter, frame.adjusted(2, 2, -1, -1), kShade);
    drawOutline(painter, outline.adjusted(1, 1, -1, -1), kInnerRadius, kInnerLine);
    drawOutline(painter, outline, kOuterRadius, kOuterLine);
}

} // namespace payvanta::ui::qt
