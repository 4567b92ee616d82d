#pragma once
// The name lookup browser window.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TBrowserForm : public QWidget {
    Q_OBJECT
public:
    explicit TBrowserForm(Session& s);

    Session& session;
};

}  // namespace quorl
