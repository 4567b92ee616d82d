#include "ui/AskingWindow.h"

#include <QApplication>
#include <QWindow>

#include "ui/BusyWindow.h"

namespace quorl {

QWidget* AskingWindow(QWidget* mainWindow) {
    QWidget* active = QApplication::activeWindow();
    // The busy window only shows that a step runs: the step belongs to the window behind it.
    if (qobject_cast<BusyWindow*>(active)) {
        const QWindow* behind = active->windowHandle() ? active->windowHandle()->transientParent() : nullptr;
        active = behind ? QWidget::find(behind->winId()) : nullptr;
    }
    if (active && active->isVisible()) return active;
    return mainWindow && mainWindow->isVisible() ? mainWindow : nullptr;
}

AskingScope::~AskingScope() {
    if (!owner_ || !owner_->isVisible()) return;
    owner_->raise();
    owner_->activateWindow();
}

}  // namespace quorl
