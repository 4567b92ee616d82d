#pragma once
// The output format editor "QUORL Format Output": shows the columns of the current output type,
// lets the user choose the type, switch columns on and off, mark them numeric, rename their
// database names, and save the output-format file.
#include <QIcon>
#include <QWidget>
#include <functional>
#include <vector>

#include "records/OutputListModel.h"

class QAction;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorl {

class Session;

class OutputFormatWindow : public QWidget {
    Q_OBJECT
public:
    explicit OutputFormatWindow(Session& s);

    Session& session;
    // Opens a help topic by its context id; set by whoever owns the help window.
    std::function<void(int)> showHelp;

    // The main window's Format Output command: fills the list, sets the format choice to the
    // current output type, shows the window and focuses the list.
    void ShowFormatOutput();
    // Shows OutputFileName and the output columns; no row is selected.
    void FillOutputListView();

    // Handlers.
    void OutputRadioClick(int index);
    void OutListViewDblClick();
    void OutListViewSelectItem();
    void OutputPopupMenuPopup();
    void Enabled1Click();
    void Numeric1Click();
    void Button1Click();  // Check All
    void Button2Click();  // Check None
    void SaveButtonClick();
    void CancelButtonClick();
    void Help1Click();

    // Controls, named as the handlers know them.
    QLineEdit* OutputNameEdit = nullptr;
    QButtonGroup* OutputRadio = nullptr;
    QTreeWidget* OutListView = nullptr;
    QMenu* OutputPopupMenu = nullptr;
    QAction* Enabled1 = nullptr;
    QAction* Numeric1 = nullptr;
    QPushButton* CheckAllButton = nullptr;
    QPushButton* CheckNoneButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QAction* Help1 = nullptr;

    // The rows as the list shows them (edits included), in list order.
    const std::vector<OutputListRow>& Rows() const { return rows_; }

private:
    int SelectedRow() const;
    void ShowRow(int row);
    void ToggleSelected(bool OutputListRow::*mark);
    void EnableAll(bool enabled);
    // Runs a handler; a failure is shown to the user instead of leaving the event loop.
    void Guarded(const std::function<void()>& handler);

    std::vector<OutputListRow> rows_;
    const QIcon markIcon_;
};

}  // namespace quorl
