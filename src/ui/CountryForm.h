#pragma once
// The country list editor: countries, states and counties with their boxes.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TCountryForm : public QWidget {
    Q_OBJECT
public:
    explicit TCountryForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
