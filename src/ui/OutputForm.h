#pragma once
// The output format editor "QUORL Format Output": which fields go into the record file, in which
// order and under which names.
#include <QWidget>

namespace quorl {

class Session;

class TOutputForm : public QWidget {
    Q_OBJECT
public:
    explicit TOutputForm(Session& s);

    Session& session;
};

}  // namespace quorl
