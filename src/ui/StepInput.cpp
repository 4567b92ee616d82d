#include "ui/StepInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace quorl {

namespace {

// How long the window system's input is read (and dropped) when the step ends: the server has
// handed everything over after a round trip, but the thread that reads it may still be busy
// queueing it.
constexpr int kSettleMs = 20;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

// Whether the receiver belongs to the window in front (or a popup of it).
bool InWindow(QObject* receiver, QWidget* window) {
    QWidget* popup = QApplication::activePopupWidget();
    if (auto* w = qobject_cast<QWidget*>(receiver)) return w->window() == window || (popup && w->window() == popup);
    if (auto* h = qobject_cast<QWindow*>(receiver))
        return h == window->windowHandle() || (popup && h == popup->windowHandle());
    return false;
}

}  // namespace

void StepInput::Drop() {
    if (dropping_) return;
    dropping_ = true;
    modalBefore_ = QApplication::activeModalWidget();
    qApp->installEventFilter(this);
}

void StepInput::Deliver() {
    if (!dropping_) return;
    // Input still on its way from the window system was given during the step too.
    QGuiApplication::sync();
    QElapsedTimer settling;
    settling.start();
    do {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    } while (!settling.hasExpired(kSettleMs));
    qApp->removeEventFilter(this);
    dropping_ = false;
}

bool StepInput::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type())) return false;
    // A question the step asks is modal: its answer is input of this step.
    QWidget* modal = QApplication::activeModalWidget();
    return !(modal && modal != modalBefore_ && InWindow(watched, modal));
}

}  // namespace quorl
