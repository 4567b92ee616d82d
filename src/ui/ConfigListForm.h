#pragma once
// The field definitions editor: one row per field definition of the current user.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TConfigListForm : public QWidget {
    Q_OBJECT
public:
    explicit TConfigListForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
