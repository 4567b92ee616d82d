#include "ui/ReportView.h"

#include <QAction>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/WholeTexts.h"

namespace quorl {

QTreeWidget* NewReportView(QWidget* parent, const QString& name, const QStringList& headers, const QList<int>& widths) {
    auto* view = new QTreeWidget(parent);
    view->setObjectName(name);
    view->setRootIsDecorated(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ShowWholeTextsOnHover(view);
    view->setHeaderLabels(headers);
    for (int c = 0; c < widths.size(); ++c) view->setColumnWidth(c, widths[c]);
    return view;
}

QAction* AddHelpMenu(QWidget* window, QVBoxLayout* layout, const std::function<void()>& onHelp) {
    auto* menuBar = new QMenuBar(window);
    QAction* help = menuBar->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QObject::connect(help, &QAction::triggered, window, onHelp);
    layout->setMenuBar(menuBar);
    return help;
}

}  // namespace quorl
