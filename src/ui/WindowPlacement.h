#pragma once
// Placing a secondary window over the main window.
#include <QWidget>

namespace quorl {

// Moves the window so that its centre is the centre of the main window (when there is one).
inline void CentreOn(QWidget* window, const QWidget* mainWindow) {
    if (!mainWindow) return;
    QRect main = mainWindow->frameGeometry();
    window->move(main.left() + (main.width() - window->width()) / 2, main.top() + (main.height() - window->height()) / 2);
}

}  // namespace quorl
