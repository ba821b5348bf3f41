#pragma once

class QWidget;

namespace payvanta::ui::qt {

// Where the program's windows open: where the user is looking. Both place the frame the
// window manager draws around the window, as the user sees it, and keep it on the screen.

// On the free part of the window's screen, centred.
void centreOnScreen(QWidget* window);
// Centred over the window its owner belongs to: over where that window stands, even
// while it is hidden (as the main window is during the file selection dialog). Without
// an owner, on the screen.
void centreOver(QWidget* window, const QWidget* owner);

} // namespace payvanta::ui::qt
