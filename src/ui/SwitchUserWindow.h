#pragma once
// The switch-user window "QUORL -- Switch User": the users of this program folder, to select one
// or add a new one. Creating it asks whether to keep the current user.
#include <QWidget>

class QListWidget;
class QPushButton;

namespace quorl {

class Session;

class SwitchUserWindow : public QWidget {
    Q_OBJECT
public:
    // Asks "Keep Current User as: <name>?"; No fills and shows the window. The window is a dialog
    // of the main window (may be nullptr): the window manager keeps it in front of it.
    explicit SwitchUserWindow(Session& s, QWidget* mainWindow = nullptr);

    // Lists "Default" and the users of the Users folder and shows the window in front; with no
    // user there, goes back to "Default" and asks the user to add a user, and the window comes
    // back to the front after that message.
    void FillAndShow();

    void Button1Click();        // Select
    void AddUserButtonClick();  // Add
    void Button3Click();        // Cancel

    Session& session;
    QListWidget* ListBox1;
    QPushButton* Button1;
    QPushButton* AddUserButton;
    QPushButton* Button3;

private:
    void ShowInFront();
};

}  // namespace quorl
