#pragma once
// The message, question and input boxes of the Dialogs port. A text taller than the screen allows
// scrolls inside its box, so that the box and its buttons stay on the screen.
#include <QMessageBox>

namespace quorl {

// The width at which a window manager's frame shows the whole title beside its buttons.
int TitleBarWidth(const QWidget& window, const QString& title);

// Shows the box modally and returns the standard button chosen (0 when it was closed without one).
int ExecMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons);

// The input box: shows it modally, as wide as its title needs too; false when it was cancelled,
// else value receives the text (value is also the initial text).
bool ExecInputBox(QWidget* parent, const QString& title, const QString& prompt, QString& value);

}  // namespace quorl
