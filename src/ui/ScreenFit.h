#pragma once
// Sizing a window to the screen it opens on: a laptop screen of 1366 x 768 is smaller than the
// design size of some windows.
#include <QSize>

class QWidget;

namespace quorl {

// The largest size up to wanted (client area) that lets the window, with its title bar and frame,
// lie within the available area of its screen.
QSize FitToScreen(const QWidget* window, QSize wanted);

// The room a window's client area has on its screen at most.
QSize ScreenRoom(const QWidget* window);

}  // namespace quorl
