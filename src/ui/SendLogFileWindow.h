#pragma once
// The window "Send Log File": the user's name, institution and comment, mailed with the log and
// the user's settings files to the maintainer.
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quorl {

class Session;

class SendLogFileWindow : public QWidget {
    Q_OBJECT
public:
    explicit SendLogFileWindow(Session& s);

    // Fills the boxes for the current user and record and shows the window.
    void FillAndShow();
    // Sends the mail; the window closes once it went, and stays open with the text otherwise.
    void SendButtonClick();
    // Closes the window; nothing is sent.
    void CancelButtonClick();

    Session& session;
    QLineEdit* NameEdit;
    QLineEdit* InstitutionEdit;
    QPlainTextEdit* CommentsMemo;
    QPushButton* SendButton;
    QPushButton* CancelButton;
};

}  // namespace quorl
