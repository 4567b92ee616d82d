#pragma once
// The window that mails the log and the user's settings files to the maintainer.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TSendLogFileForm : public QWidget {
    Q_OBJECT
public:
    explicit TSendLogFileForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
