#pragma once
// Which window a box or the busy window belongs to. The window manager keeps a dialog in front of
// the window it belongs to; a box that belonged to another window would send the window that asked
// behind that one.
#include <QPointer>
#include <QWidget>

namespace quorl {

// The window whose command is running: the active window (while the busy window is the active one,
// the window the busy window stands in front of), else the main window while it is shown, else none.
QWidget* AskingWindow(QWidget* mainWindow);

// A modal box asked while this lives belongs to Owner(); when it ends (the box closed), that window
// is brought to the front and made active again, as the window manager may leave another window on
// top. A window hidden or deleted in the meantime is left alone.
class AskingScope {
public:
    explicit AskingScope(QWidget* mainWindow) : owner_(AskingWindow(mainWindow)) {}
    ~AskingScope();
    AskingScope(const AskingScope&) = delete;
    AskingScope& operator=(const AskingScope&) = delete;

    QWidget* Owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
};

}  // namespace quorl
