#pragma once
// The output preview "Output Preview": the record file as a table.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quorl {

class Session;

class TOutputPreviewForm : public QWidget {
    Q_OBJECT
public:
    explicit TOutputPreviewForm(Session& s);

    Session& session;
    QLabel* Label1;
    QTreeWidget* OutputPreviewListView;
    QPushButton* Button1;
};

}  // namespace quorl
