#include "ui/OutputFormatWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

#include "base/Dialogs.h"
#include "base/Text.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"
#include "ui/GuardedHandler.h"
#include "ui/QtText.h"
#include "ui/ReportView.h"

namespace quorl {

namespace {

enum Column { kName, kFieldName, kNum, kOrder, kDefault };

// The list's mark image: a check mark.
QIcon MakeMarkIcon() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0, 128, 0), 2.5));
    g.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    return QIcon(p);
}

}  // namespace

OutputFormatWindow::OutputFormatWindow(Session& s) : session(s), markIcon_(MakeMarkIcon()) {
    setWindowTitle(QStringLiteral("QUORL Format Output"));
    auto* top = new QVBoxLayout(this);

    Help1 = AddHelpMenu(this, top, [this] { Guarded([this] { Help1Click(); }); });

    top->addWidget(new QLabel(QStringLiteral("Output File Name"), this));
    OutputNameEdit = new QLineEdit(QStringLiteral("Database.tsv"), this);
    OutputNameEdit->setObjectName(QStringLiteral("OutputNameEdit"));
    OutputNameEdit->setToolTip(QStringLiteral("Name of the output tab-separated-variables file"));
    top->addWidget(OutputNameEdit);

    auto* radioBox = new QGroupBox(QStringLiteral("Output Format"), this);
    radioBox->setObjectName(QStringLiteral("OutputRadio"));
    auto* radioLayout = new QVBoxLayout(radioBox);
    OutputRadio = new QButtonGroup(this);
    const QString choices[] = {QStringLiteral("Tab Separated Variables (tsv)"), QStringLiteral("Darwin Core XML"),
                               QStringLiteral("Darwin Core CSV")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(choices[i], radioBox);
        OutputRadio->addButton(b, i);
        radioLayout->addWidget(b);
    }
    // Only a click by the user changes the type; setting the choice from code does not.
    connect(OutputRadio, &QButtonGroup::idClicked, this, [this](int id) { Guarded([this, id] { OutputRadioClick(id); }); });
    top->addWidget(radioBox);

    top->addWidget(new QLabel(QStringLiteral("Database Fields"), this));
    OutListView = NewReportView(this, QStringLiteral("OutListView"),
                                {QStringLiteral("Name"), QStringLiteral("Field Name"), QStringLiteral("Num"),
                                 QStringLiteral("Order"), QStringLiteral("Default")},
                                {140, 140, 40});
    // The last two columns hold the row number and the field key, one pixel wide.
    OutListView->header()->setStretchLastSection(false);
    OutListView->header()->setMinimumSectionSize(1);
    OutListView->setColumnWidth(3, 1);
    OutListView->setColumnWidth(4, 1);
    OutListView->setToolTip(QStringLiteral(
        "Double click to change the database field name.\nRight-Click to enable or to set numeric only.."));
    OutListView->setContextMenuPolicy(Qt::CustomContextMenu);
    top->addWidget(OutListView, 1);

    OutputPopupMenu = new QMenu(this);
    OutputPopupMenu->setObjectName(QStringLiteral("OutputPopupMenu"));
    Enabled1 = OutputPopupMenu->addAction(QStringLiteral("Enabled"));
    Enabled1->setObjectName(QStringLiteral("Enabled1"));
    Enabled1->setCheckable(true);
    Numeric1 = OutputPopupMenu->addAction(QStringLiteral("Numeric"));
    Numeric1->setObjectName(QStringLiteral("Numeric1"));
    Numeric1->setCheckable(true);
    connect(Enabled1, &QAction::triggered, this, [this] { Guarded([this] { Enabled1Click(); }); });
    connect(Numeric1, &QAction::triggered, this, [this] { Guarded([this] { Numeric1Click(); }); });
    connect(OutListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        Guarded([this] { OutputPopupMenuPopup(); });
        OutputPopupMenu->popup(OutListView->viewport()->mapToGlobal(at));
    });
    connect(OutListView, &QTreeWidget::itemDoubleClicked, this,
            [this] { Guarded([this] { OutListViewDblClick(); }); });
    connect(OutListView, &QTreeWidget::itemSelectionChanged, this,
            [this] { Guarded([this] { OutListViewSelectItem(); }); });

    auto* buttons = new QHBoxLayout;
    auto button = [&](QPushButton*& b, const char* name, const QString& caption, const QString& hint,
                      void (OutputFormatWindow::*handler)()) {
        b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        connect(b, &QPushButton::clicked, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
        buttons->addWidget(b);
    };
    button(CheckAllButton, "Button1", QStringLiteral("Check All"),
           QStringLiteral("Check all the items to be included in the database"), &OutputFormatWindow::Button1Click);
    button(CheckNoneButton, "Button2", QStringLiteral("Check None"),
           QStringLiteral("Check none of the fields to be included in the database."), &OutputFormatWindow::Button2Click);
    button(SaveButton, "SaveButton", QStringLiteral("Save"), QStringLiteral("Save the changes"),
           &OutputFormatWindow::SaveButtonClick);
    button(CancelButton, "CancelButton", QStringLiteral("Cancel"), QStringLiteral("Exit without saving"),
           &OutputFormatWindow::CancelButtonClick);
    top->addLayout(buttons);

    resize(420, 650);
}

void OutputFormatWindow::Guarded(const std::function<void()>& handler) { RunGuarded(session.dialogs, handler); }

void OutputFormatWindow::ShowFormatOutput() {
    FillOutputListView();
    if (QAbstractButton* b = OutputRadio->button(session.OutputType)) b->setChecked(true);
    show();
    raise();
    activateWindow();
    OutListView->setFocus();
}

void OutputFormatWindow::FillOutputListView() {
    OutListView->clear();
    OutputNameEdit->setText(ToQt(session.OutputFileName));
    rows_ = quorl::FillOutputListView(session);
    for (size_t i = 0; i < rows_.size(); ++i) {
        new QTreeWidgetItem(OutListView);
        ShowRow(static_cast<int>(i));
    }
    OutListView->clearSelection();
    OutListView->setCurrentItem(nullptr);
}

void OutputFormatWindow::ShowRow(int row) {
    QTreeWidgetItem* item = OutListView->topLevelItem(row);
    const OutputListRow& r = rows_[static_cast<size_t>(row)];
    item->setText(kName, ToQt(r.caption));
    item->setIcon(kName, r.enabled ? markIcon_ : QIcon());
    item->setText(kFieldName, ToQt(r.databaseName));
    item->setText(kNum, QStringLiteral(" "));
    item->setIcon(kNum, r.numeric ? markIcon_ : QIcon());
    item->setText(kOrder, ToQt(r.order));
    item->setText(kDefault, ToQt(r.key));
}

int OutputFormatWindow::SelectedRow() const {
    QList<QTreeWidgetItem*> selected = OutListView->selectedItems();
    return selected.isEmpty() ? -1 : OutListView->indexOfTopLevelItem(selected.first());
}

void OutputFormatWindow::OutputRadioClick(int index) {
    session.OutputType = index;
    LoadOutputFormat(session);
    FillOutputListView();
}

void OutputFormatWindow::OutListViewDblClick() {
    int row = SelectedRow();
    if (row < 0) return;
    std::string name = rows_[static_cast<size_t>(row)].databaseName;
    if (!session.dialogs.InputBox("Database Field Name", "Edit Field Name", name)) return;
    // The name is one TAB-separated value of the format file: a TAB inside it or an empty name
    // would shift the values of its line when the file is read again.
    name = Trim(ReplaceAll(name, "\t", " "));
    if (name.empty()) return;
    if (const std::string problem = FieldNameProblem(session.OutputType, rows_, static_cast<size_t>(row), name); !problem.empty()) {
        session.dialogs.ShowMessage(problem);
        return;
    }
    rows_[static_cast<size_t>(row)].databaseName = name;
    ShowRow(row);
}

void OutputFormatWindow::OutListViewSelectItem() {
    // The selection stays visible when the list loses the focus.
    QPalette p = OutListView->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    OutListView->setPalette(p);
}

void OutputFormatWindow::OutputPopupMenuPopup() {
    int row = SelectedRow();
    if (row < 0) return;
    Enabled1->setChecked(rows_[static_cast<size_t>(row)].enabled);
    Numeric1->setChecked(rows_[static_cast<size_t>(row)].numeric);
}

void OutputFormatWindow::ToggleSelected(bool OutputListRow::*mark) {
    int row = SelectedRow();
    if (row < 0) return;
    bool& value = rows_[static_cast<size_t>(row)].*mark;
    value = !value;
    ShowRow(row);
}

void OutputFormatWindow::Enabled1Click() { ToggleSelected(&OutputListRow::enabled); }

void OutputFormatWindow::Numeric1Click() { ToggleSelected(&OutputListRow::numeric); }

void OutputFormatWindow::EnableAll(bool enabled) {
    for (size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].enabled = enabled;
        ShowRow(static_cast<int>(i));
    }
}

void OutputFormatWindow::Button1Click() { EnableAll(true); }

void OutputFormatWindow::Button2Click() { EnableAll(false); }

void OutputFormatWindow::SaveButtonClick() {
    const std::string fileName = FromQt(OutputNameEdit->text());
    if (const std::string problem = OutputFormatProblem(session.ProgramFolder, session.OutputType, fileName, rows_);
        !problem.empty()) {
        session.dialogs.ShowMessage(problem);  // nothing is saved; the window stays open
        return;
    }
    session.OutputFileName = Trim(fileName);
    session.OutputColumns = OutputColumnsFromRows(rows_);
    // A save that failed has been reported: the window stays open with the user's rows.
    if (SaveOutputFormat(session)) hide();
}

void OutputFormatWindow::CancelButtonClick() { hide(); }

void OutputFormatWindow::Help1Click() {
    if (showHelp) showHelp(1025);
}

}  // namespace quorl
