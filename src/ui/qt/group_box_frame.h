#pragma once

class QPainter;
class QRect;

namespace payvanta::ui::qt {

// Fusion's group box frame, as Qt's image of it looks, in the rectangle the frame takes:
// a rounded outline of translucent grey one pixel in from the edge, a faint outline just
// inside it and a fainter shade over the rest. Drawn without reading Qt's image and
// without handing any part of the paint to Qt's painting threads.
void drawGroupBoxFrame(QPainter* painter, const QRect& frame);

} // namespace payvanta::ui::qt
