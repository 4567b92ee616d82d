#pragma once
// The help window "Quorl Help": the contents and the index of the help collection beside the page
// they lead to.
#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QTabWidget;

namespace quorl {

// A page view that reads its pages and their pictures and style sheets from the help collection.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& engine_;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QHelpEngine& engine);

    // Shows the page (and the place in it, when the address names one) and brings the window up.
    void ShowPage(const QUrl& url);

    QTabWidget* Tabs;
    HelpBrowser* Browser;
};

}  // namespace quorl
