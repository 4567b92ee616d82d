#pragma once
// Placing a secondary window over the main window, and a caption within its window.
#include <QWidget>

namespace quorl {

// Moves the window so that its centre is the centre of the main window (when there is one).
inline void CentreOn(QWidget* window, const QWidget* mainWindow) {
    if (!mainWindow) return;
    QRect main = mainWindow->frameGeometry();
    window->move(main.left() + (main.width() - window->width()) / 2, main.top() + (main.height() - window->height()) / 2);
}

// Sizes a child widget to its content and centres it across its parent, with its top at top.
inline void FitAndCentre(QWidget* child, int top) {
    child->adjustSize();
    child->move(child->parentWidget()->width() / 2 - child->width() / 2, top);
}

}  // namespace quorl
