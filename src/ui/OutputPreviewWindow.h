#pragma once
// The output preview "Output Preview": the record file as a table; double-clicking a row takes
// that record out of the file and back into the main window's fields.
#include <QWidget>

#include "records/OutputPreview.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quorl {

class Session;

class OutputPreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit OutputPreviewWindow(Session& s);

    // Reads the current record file into the table and shows the window; hides it when there is
    // nothing to show (a message says why).
    void LoadOutputPreview();
    // Re-edits the record of the selected row; the window closes once the record is in the fields.
    void OutputPreviewListViewDblClick();
    // What the table was read from.
    const OutputPreview& Preview() const { return preview_; }

    Session& session;
    QLabel* Label1;
    QTreeWidget* OutputPreviewListView;
    QPushButton* Button1;

private:
    OutputPreview preview_;
};

}  // namespace quorl
