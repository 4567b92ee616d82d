#include "ui/FieldDefinitionsWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Session.h"
#include "ui/FieldDefinitionWindow.h"
#include "ui/GuardedHandler.h"
#include "ui/HelpContext.h"
#include "ui/QtText.h"
#include "ui/ReportView.h"

namespace quorl {

namespace {

constexpr int kFieldDefinitionsHelpContext = 1004;
constexpr int kHelpItemHelpContext = 7;  // F1 on the highlighted Help item

}  // namespace

FieldDefinitionsWindow::FieldDefinitionsWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Field Definitions"));
    SetHelpContext(this, kFieldDefinitionsHelpContext);
    auto* top = new QVBoxLayout(this);

    Help1 = AddHelpMenu(this, top, [this] { Guarded([this] { Help1Click(); }); });
    SetHelpContext(Help1, kHelpItemHelpContext);

    ListView1 = NewReportView(this, QStringLiteral("ListView1"),
                              {QStringLiteral("Field"), QStringLiteral("Preserve"), QStringLiteral("Warn"),
                               QStringLiteral("Default"), QStringLiteral("Min"), QStringLiteral("Max"),
                               QStringLiteral("Start Words"), QStringLiteral("Contain Words")},
                              {130, 60, 50, 90, 40, 40, 200, 200});
    ListView1->setToolTip(QStringLiteral("Double Click or Right Click on a field to add, edit or delete."));
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    top->addWidget(ListView1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](QAction*& a, const char* name, const QString& caption, void (FieldDefinitionsWindow::*handler)()) {
        a = PopupMenu1->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    item(Preserve1, "Preserve1", QStringLiteral("Preserve"), &FieldDefinitionsWindow::Preserve1Click);
    item(WarnEmpty1, "WarnEmpty1", QStringLiteral("Warn Empty"), &FieldDefinitionsWindow::WarnEmpty1Click);
    item(AddField1, "AddField1", QStringLiteral("Add Field"), &FieldDefinitionsWindow::AddField1Click);
    item(DeleteField1, "DeleteField1", QStringLiteral("Delete Field"), &FieldDefinitionsWindow::DeleteField1Click);
    item(EditField1, "EditField1", QStringLiteral("Edit Field"), &FieldDefinitionsWindow::ListView1DblClick);
    Preserve1->setCheckable(true);
    WarnEmpty1->setCheckable(true);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        Guarded([this] { PopupMenu1Popup(); });
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at));
    });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { Guarded([this] { ListView1DblClick(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(SaveButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    buttons->addWidget(SaveButton);
    buttons->addWidget(CancelButton);
    top->addLayout(buttons);

    resize(900, 560);
}

void FieldDefinitionsWindow::Guarded(const std::function<void()>& handler) { RunGuarded(session.dialogs, handler); }

void FieldDefinitionsWindow::FillFieldList() {
    rows_ = FieldListRows(session.FieldDefinitions);
    ListView1->clear();
    for (size_t i = 0; i < rows_.size(); ++i) {
        new QTreeWidgetItem(ListView1);
        ShowRow(static_cast<int>(i));
    }
    Select(static_cast<int>(rows_.size()) - 1);
    show();
    raise();
    activateWindow();
}

void FieldDefinitionsWindow::ShowRow(int row) {
    QTreeWidgetItem* item = ListView1->topLevelItem(row);
    const FieldRow& r = rows_[static_cast<size_t>(row)];
    const std::string* texts[] = {&r.Name, &r.Preserve, &r.Warn, &r.Default, &r.Min, &r.Max, &r.StartWords, &r.ContainWords};
    for (int c = 0; c < 8; ++c) item->setText(c, ToQt(*texts[c]));
}

int FieldDefinitionsWindow::SelectedRow() const {
    QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    return selected.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(selected.first());
}

void FieldDefinitionsWindow::Select(int row) {
    QTreeWidgetItem* item = row >= 0 ? ListView1->topLevelItem(row) : nullptr;
    ListView1->setCurrentItem(item);
    if (item) ListView1->scrollToItem(item);
}

void FieldDefinitionsWindow::ListView1DblClick() {
    int row = SelectedRow();
    if (row < 0 || !definitionWindow) return;
    if (definitionWindow->Edit(rows_[static_cast<size_t>(row)])) ShowRow(row);
}

void FieldDefinitionsWindow::PopupMenu1Popup() {
    FieldPopupState p = FieldPopup(rows_, SelectedRow());
    AddField1->setEnabled(p.addEnabled);
    Preserve1->setEnabled(p.preserveEnabled);
    WarnEmpty1->setEnabled(p.warnEnabled);
    DeleteField1->setEnabled(p.deleteEnabled);
    EditField1->setEnabled(p.editEnabled);
    Preserve1->setChecked(p.preserveChecked);
    WarnEmpty1->setChecked(p.warnChecked);
}

void FieldDefinitionsWindow::Preserve1Click() {
    int row = SelectedRow();
    if (row < 0) return;
    ToggleYesNo(rows_[static_cast<size_t>(row)].Preserve);
    ShowRow(row);
}

void FieldDefinitionsWindow::WarnEmpty1Click() {
    int row = SelectedRow();
    if (row < 0) return;
    ToggleYesNo(rows_[static_cast<size_t>(row)].Warn);
    ShowRow(row);
}

void FieldDefinitionsWindow::AddField1Click() {
    int row = AddField(session.dialogs, rows_);
    if (row < 0) return;
    new QTreeWidgetItem(ListView1);
    ShowRow(row);
    Select(row);
}

void FieldDefinitionsWindow::DeleteField1Click() {
    int row = SelectedRow();
    if (!DeleteField(rows_, row)) return;
    delete ListView1->takeTopLevelItem(row);
}

void FieldDefinitionsWindow::SaveButtonClick() {
    // A save that failed has been reported: the window stays open with the user's rows.
    if (ApplyFieldListChanges(session, rows_)) hide();
}

void FieldDefinitionsWindow::CancelButtonClick() { hide(); }

void FieldDefinitionsWindow::Help1Click() { RequestHelp(session, kFieldDefinitionsHelpContext); }

}  // namespace quorl
