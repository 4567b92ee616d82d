#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quorl {

namespace {

// What the window manager adds around a window that has not been framed yet: a title bar and
// thin borders.
constexpr int kTitleAllowance = 30;
constexpr int kBorderAllowance = 8;

}  // namespace

QSize ScreenRoom(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize available = screen->availableGeometry().size();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return {available.width() - std::max(frame.width(), kBorderAllowance),
            available.height() - std::max(frame.height(), kTitleAllowance)};
}

QSize FitToScreen(const QWidget* window, QSize wanted) { return wanted.boundedTo(ScreenRoom(window)); }

}  // namespace quorl
