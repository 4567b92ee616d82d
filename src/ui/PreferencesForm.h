#pragma once
// The preferences editor of the current user.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TPreferencesForm : public QWidget {
    Q_OBJECT
public:
    explicit TPreferencesForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
