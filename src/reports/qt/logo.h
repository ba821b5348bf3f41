#pragma once

class QPainter;
class QRectF;

namespace payvanta::reports::qt {

// Draws the Stravolux QVR wordmark into the rectangle: a crane hook beside the name, in
// the program's own blue, as vectors so that it is sharp at any scale and resolution.
void drawLogo(QPainter& painter, const QRectF& area);

} // namespace payvanta::reports::qt
