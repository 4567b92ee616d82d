#pragma once
// The field definitions editor "QUORL Field Definitions": one row per field definition of the
// current user; toggles Preserve and Warn, adds and deletes user-defined fields, opens a row in
// the one-field dialog, and on Save hands the rows to the core, which writes them back.
#include <QWidget>
#include <functional>
#include <vector>

#include "editors/FieldList.h"

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace quorl {

class FieldDefinitionWindow;
class Session;

class FieldDefinitionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit FieldDefinitionsWindow(Session& s);

    Session& session;
    // The dialog that edits one row; set by whoever creates the windows.
    FieldDefinitionWindow* definitionWindow = nullptr;

    // The main window's Field Definitions command: one row per definition, the last selected.
    void FillFieldList();

    // Handlers.
    void ListView1DblClick();
    void PopupMenu1Popup();
    void Preserve1Click();
    void WarnEmpty1Click();
    void AddField1Click();
    void DeleteField1Click();
    void SaveButtonClick();
    void CancelButtonClick();
    void Help1Click();

    QTreeWidget* ListView1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Preserve1 = nullptr;
    QAction* WarnEmpty1 = nullptr;
    QAction* AddField1 = nullptr;
    QAction* DeleteField1 = nullptr;
    QAction* EditField1 = nullptr;
    QAction* Help1 = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;

    const std::vector<FieldRow>& Rows() const { return rows_; }

private:
    int SelectedRow() const;
    void Select(int row);
    void ShowRow(int row);
    void Guarded(const std::function<void()>& handler);

    std::vector<FieldRow> rows_;
};

}  // namespace quorl
