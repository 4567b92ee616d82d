#include "ui/BrowserWindow.h"

#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "lookup/NameLookup.h"
#include "model/Session.h"
#include "records/NameSearchResult.h"
#include "ui/QtText.h"

namespace quorl {

BrowserWindow::BrowserWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Browser"));
    resize(742, 471);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    session.nameBrowser = this;
}

BrowserWindow::~BrowserWindow() {
    if (session.nameBrowser == this) session.nameBrowser = nullptr;
}

QWebEngineView* BrowserWindow::EnsureWebBrowser() {
    if (!webBrowser_) {
        webBrowser_ = new QWebEngineView(this);
        layout()->addWidget(webBrowser_);
        connect(webBrowser_, &QWebEngineView::loadFinished, this, &BrowserWindow::WebBrowserDocumentComplete);
    }
    return webBrowser_;
}

void BrowserWindow::Navigate(const std::string& url) {
    EnsureWebBrowser()->load(QUrl(ToQt(url)));
}

void BrowserWindow::ShowWindow() {
    show();
    raise();
}

void BrowserWindow::CloseWindow() { hide(); }

void BrowserWindow::WebBrowserDocumentComplete(bool ok) {
    // A load that failed or was cut short by a newer lookup has no page to read; the lookup stays
    // pending for the page that does arrive.
    if (!ok) return;
    QPointer<BrowserWindow> self(this);
    webBrowser_->page()->runJavaScript(QStringLiteral("document.body ? document.body.outerHTML : ''"),
                                       [self](const QVariant& body) {
                                           if (!self) return;
                                           NameSearchDocumentComplete(self->session, FromQt(body.toString()));
                                           if (self) emit self->DocumentRead();
                                       });
}

}  // namespace quorl
