#pragma once
// The word statistics editor: the learnt words of the current user as a table.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TWordStatsForm : public QWidget {
    Q_OBJECT
public:
    explicit TWordStatsForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
