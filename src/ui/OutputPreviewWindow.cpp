#include "ui/OutputPreviewWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Session.h"
#include "ui/QtText.h"
#include "ui/WholeTexts.h"

namespace quorl {

namespace {

constexpr int kColumnWidth = 100;

}  // namespace

OutputPreviewWindow::OutputPreviewWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Output Preview"));
    resize(800, 500);
    Label1 = new QLabel(this);
    OutputPreviewListView = new QTreeWidget(this);
    OutputPreviewListView->setRootIsDecorated(false);
    OutputPreviewListView->setUniformRowHeights(true);
    OutputPreviewListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    OutputPreviewListView->setSelectionMode(QAbstractItemView::SingleSelection);
    OutputPreviewListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OutputPreviewListView->setToolTip(QStringLiteral("Double-click line to re-edit in QUORL"));
    ShowWholeTextsOnHover(OutputPreviewListView);
    OutputPreviewListView->header()->setStretchLastSection(false);
    Button1 = new QPushButton(QStringLiteral("Close"), this);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    connect(OutputPreviewListView, &QTreeWidget::itemDoubleClicked, this, [this] { OutputPreviewListViewDblClick(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(OutputPreviewListView);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button1);
    layout->addLayout(row);
}

void OutputPreviewWindow::LoadOutputPreview() {
    OutputPreviewListView->clear();
    OutputPreviewListView->setColumnCount(0);
    Label1->setText(ToQt(session.OutputFileName));
    if (!quorl::LoadOutputPreview(session, preview_)) {
        hide();
        return;
    }
    const RecordFileTable& table = preview_.table;
    QStringList captions;
    for (const std::string& c : table.columns) captions << ToQt(c);
    OutputPreviewListView->setColumnCount(static_cast<int>(captions.size()));
    OutputPreviewListView->setHeaderLabels(captions);
    for (int i = 0; i < captions.size(); ++i) OutputPreviewListView->setColumnWidth(i, kColumnWidth);
    // A file of one column (each line of an XML file is one value) shows its lines across the list.
    OutputPreviewListView->header()->setStretchLastSection(captions.size() == 1);
    QList<QTreeWidgetItem*> items;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        auto* item = new QTreeWidgetItem;
        const std::vector<std::string>& values = table.rows[r].values;
        for (size_t k = 0; k < values.size() && k < table.columns.size(); ++k)
            item->setText(static_cast<int>(k), ToQtLines(values[k]));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(r));
        items << item;
    }
    OutputPreviewListView->addTopLevelItems(items);
    show();
    raise();
}

void OutputPreviewWindow::OutputPreviewListViewDblClick() {
    QTreeWidgetItem* item = OutputPreviewListView->currentItem();
    if (!item) return;
    const auto row = static_cast<size_t>(item->data(0, Qt::UserRole).toULongLong());
    switch (ReEditRecord(session, preview_, row)) {
        case ReEditResult::Done: hide(); break;
        case ReEditResult::Stale: LoadOutputPreview(); break;
        case ReEditResult::Cancelled:
        case ReEditResult::Refused:
        case ReEditResult::NotWritten: break;
    }
}

}  // namespace quorl
