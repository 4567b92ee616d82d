#pragma once
// The output preview "Output Preview": the record file as a table.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quorl {

class Session;

class OutputPreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit OutputPreviewWindow(Session& s);

    Session& session;
    QLabel* Label1;
    QTreeWidget* OutputPreviewListView;
    QPushButton* Button1;
};

}  // namespace quorl
