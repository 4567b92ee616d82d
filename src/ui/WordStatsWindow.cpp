#include "ui/WordStatsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "editors/WordStatsTable.h"
#include "model/Session.h"
#include "ui/HelpContext.h"
#include "ui/ReportView.h"
#include "ui/WordStatsModel.h"

namespace quorl {

namespace {
constexpr int kWordStatsHelpTopic = 1025;
constexpr int kWordStatsWindowHelpContext = 1009;
constexpr int kColumnWidths[WordStatsTable::kColumns] = {160, 70, 80, 70, 70};
}  // namespace

WordStatsWindow::WordStatsWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Word Stats"));
    SetHelpContext(this, kWordStatsWindowHelpContext);

    auto* layout = new QVBoxLayout(this);
    Help1 = AddHelpMenu(this, layout, [this] { RequestHelp(session, kWordStatsHelpTopic); });
    auto* tools = new QMenu(QStringLiteral("Tools"), this);
    tools->setToolTipsVisible(true);
    static_cast<QMenuBar*>(layout->menuBar())->insertMenu(Help1, tools);
    Delete1countwords1 = tools->addAction(QStringLiteral("Delete 1-count words"));
    Delete1countwords1->setObjectName(QStringLiteral("Delete1countwords1"));
    Delete1countwords1->setToolTip(QStringLiteral("1-count words are often mistakes, and rarely useful."));
    Delete1countwords1->setStatusTip(Delete1countwords1->toolTip());

    model = new WordStatsModel(this);
    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(model);
    ListView1->setToolTip(QStringLiteral("Click column header to sort"));
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing has to measure 20,000 rows.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(ListView1->fontMetrics().height() + 4);
    QHeaderView* header = ListView1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    for (int c = 0; c < WordStatsTable::kColumns; ++c) header->resizeSection(c, kColumnWidths[c]);

    DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
    DeleteButton->setEnabled(false);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {DeleteButton, Button2, SaveButton}) buttons->addWidget(b);

    layout->addWidget(ListView1);
    layout->addLayout(buttons);
    resize(500, 520);

    connect(header, &QHeaderView::sectionClicked, this, &WordStatsWindow::ListView1ColumnClick);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WordStatsWindow::UpdateDeleteButton);
    connect(model, &QAbstractItemModel::modelReset, this, &WordStatsWindow::UpdateDeleteButton);
    connect(DeleteButton, &QPushButton::clicked, this, &WordStatsWindow::DeleteButtonClick);
    connect(Button2, &QPushButton::clicked, this, &WordStatsWindow::Button2Click);
    connect(SaveButton, &QPushButton::clicked, this, &WordStatsWindow::SaveButtonClick);
    connect(Delete1countwords1, &QAction::triggered, this, &WordStatsWindow::Delete1countwords1Click);
}

void WordStatsWindow::Open() {
    model->Load(session.WordStats);
    ListView1->horizontalHeader()->setSortIndicatorShown(false);
    show();
    raise();
    activateWindow();
}

void WordStatsWindow::ListView1ColumnClick(int column) {
    model->ColumnClick(column);
    const WordStatsTable& t = model->Table();
    QHeaderView* header = ListView1->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(t.SortColumn(), t.Direction() > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    ListView1->scrollToTop();
}

void WordStatsWindow::UpdateDeleteButton() { DeleteButton->setEnabled(ListView1->selectionModel()->hasSelection()); }

void WordStatsWindow::DeleteButtonClick() {
    std::vector<size_t> rows;
    for (const QModelIndex& i : ListView1->selectionModel()->selectedRows()) rows.push_back(static_cast<size_t>(i.row()));
    model->DeleteRows(rows);
}

void WordStatsWindow::Delete1countwords1Click() {
    // The view sees the shorter table before the message box lets it paint.
    model->Change([](WordStatsTable& t) { t.DeleteOneCountWords(); });
    ShowPressSave(session);
}

void WordStatsWindow::SaveButtonClick() {
    if (SaveWordStatsTable(session, model->Table())) hide();
}

void WordStatsWindow::Button2Click() { hide(); }

}  // namespace quorl
