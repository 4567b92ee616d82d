#include "ui/OutputPreviewWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorl {

OutputPreviewWindow::OutputPreviewWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Output Preview"));
    resize(800, 500);
    Label1 = new QLabel(this);
    OutputPreviewListView = new QTreeWidget(this);
    OutputPreviewListView->setRootIsDecorated(false);
    OutputPreviewListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    OutputPreviewListView->setToolTip(QStringLiteral("Double-click line to re-edit in QUORL"));
    Button1 = new QPushButton(QStringLiteral("Close"), this);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(OutputPreviewListView);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button1);
    layout->addLayout(row);
}

}  // namespace quorl
