#include "ui/HelpWindow.h"

#include <QApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace quorl {

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine) {
    setWindowTitle(QStringLiteral("Quorl Help"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    Tabs = new QTabWidget(splitter);
    Tabs->addTab(engine.contentWidget(), QStringLiteral("Contents"));
    Tabs->addTab(engine.indexWidget(), QStringLiteral("Index"));
    Browser = new HelpBrowser(engine, splitter);
    Browser->setOpenExternalLinks(false);
    splitter->addWidget(Tabs);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(820, 600);

    // The contents are read in the background; they open fully once they are there.
    QHelpContentWidget* contents = engine.contentWidget();
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, contents, &QTreeView::expandAll);
    if (!engine.contentModel()->isCreatingContents()) contents->expandAll();
    connect(engine.contentWidget(), &QHelpContentWidget::linkActivated, Browser,
            [this](const QUrl& url) { Browser->setSource(url); });
    connect(engine.indexWidget(), &QHelpIndexWidget::documentActivated, Browser,
            [this](const QHelpLink& link, const QString&) { Browser->setSource(link.url); });
    connect(engine.indexWidget(), &QHelpIndexWidget::documentsActivated, Browser,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) Browser->setSource(links.first().url);
            });
}

void HelpWindow::ShowPage(const QUrl& url) {
    Browser->setSource(url);
    // While a modal dialog is open every window outside it takes no input: help asked for from the
    // dialog belongs to it, so that it can be read, scrolled and closed while the dialog stays open.
    QWidget* modal = QApplication::activeModalWidget();
    winId();  // the native window, whose owner is set
    windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}

}  // namespace quorl
