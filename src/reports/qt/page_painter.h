#pragma once

#include "reports/print_page.h"

class QFont;
class QPainter;

namespace payvanta::reports::qt {

// Draws a printed page with the painter, on any device: a printer or a PDF at 1440 dots
// per inch (one unit a twip), or an image in tests (96 dots per inch, 15 twips a unit).
// Texts take their face and size in points, which the device turns into its own units.
void paintPage(QPainter& painter, const PrintPage& page, double twipsPerUnit);

// The face a printed or shown font asks for, with the program's substitutes in place.
QFont qtFont(const PrintFont& font);

} // namespace payvanta::reports::qt
