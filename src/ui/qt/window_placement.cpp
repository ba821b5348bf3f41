#include "window_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace payvanta::ui::qt {

namespace {

// The frame around a window, as the window manager last told it; none before the window
// has been shown. Asked of the window itself: the widget's own figure can lag behind.
QMargins frameOf(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QRect freeAreaOf(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Places the window so that its frame, of the margins given, is centred on the point and
// lies within the area; a frame larger than the area keeps its title bar on it.
void placeFrame(QWidget* window, const QMargins& frame, QPoint centre, const QRect& area) {
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    const QSize inner = window->size();
    QRect outer(QPoint(), inner.grownBy(frame));
    outer.moveCenter(centre);
    if (area.isValid()) {
        outer.moveLeft(
            std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
        outer.moveTop(
            std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    }
    // The inner rectangle: the window manager puts the frame around it.
    window->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), inner));
}

} // namespace

void centreOnScreen(QWidget* window) {
    const QRect area = freeAreaOf(window);
    placeFrame(window, frameOf(window), area.center(), area);
}

void centreOver(QWidget* window, const QWidget* owner) {
    if (owner == nullptr) {
        centreOnScreen(window);
        return;
    }
    const QWidget* top = owner->window();
    // A window not shown yet is framed as its owner is: the same window manager draws both.
    const QMargins own = frameOf(window);
    const QMargins frame = own.isNull() ? frameOf(top) : own;
    placeFrame(window, frame, top->geometry().marginsAdded(frameOf(top)).center(), freeAreaOf(top));
}

} // namespace payvanta::ui::qt
