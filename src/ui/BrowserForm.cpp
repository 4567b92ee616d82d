#include "ui/BrowserForm.h"

#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "model/Session.h"
#include "support/NameLookup.h"
#include "ui/QtText.h"

namespace quorl {

TBrowserForm::TBrowserForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Browser"));
    resize(742, 471);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    session.nameBrowser = this;
}

TBrowserForm::~TBrowserForm() {
    if (session.nameBrowser == this) session.nameBrowser = nullptr;
}

QWebEngineView* TBrowserForm::EnsureWebBrowser() {
    if (!webBrowser_) {
        webBrowser_ = new QWebEngineView(this);
        layout()->addWidget(webBrowser_);
        connect(webBrowser_, &QWebEngineView::loadFinished, this, &TBrowserForm::WebBrowserDocumentComplete);
    }
    return webBrowser_;
}

void TBrowserForm::Navigate(const std::string& url) {
    EnsureWebBrowser()->load(QUrl(ToQt(url)));
}

void TBrowserForm::ShowWindow() {
    show();
    raise();
}

void TBrowserForm::CloseWindow() { hide(); }

void TBrowserForm::WebBrowserDocumentComplete(bool ok) {
    // A load that failed or was cut short by a newer lookup has no page to read; the lookup stays
    // pending for the page that does arrive.
    if (!ok) return;
    QPointer<TBrowserForm> self(this);
    webBrowser_->page()->runJavaScript(QStringLiteral("document.body ? document.body.outerHTML : ''"),
                                       [self](const QVariant& body) {
                                           if (!self) return;
                                           NameSearchDocumentComplete(self->session, FromQt(body.toString()));
                                           if (self) emit self->DocumentRead();
                                       });
}

}  // namespace quorl
