#include "ui/BrowserWindow.h"

#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
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
    lookupTimer_.setSingleShot(true);
    connect(&lookupTimer_, &QTimer::timeout, this, &BrowserWindow::LookupTimedOut);
    session.nameBrowser = this;
}

BrowserWindow::~BrowserWindow() {
    if (session.nameBrowser == this) session.nameBrowser = nullptr;
}

QWebEngineView* BrowserWindow::EnsureWebBrowser() {
    if (!webBrowser_) {
        webBrowser_ = new QWebEngineView(this);
        layout()->addWidget(webBrowser_);
        connect(webBrowser_->page(), &QWebEnginePage::loadingChanged, this, &BrowserWindow::LoadingChanged);
        connect(webBrowser_, &QWebEngineView::loadFinished, this, &BrowserWindow::WebBrowserDocumentComplete);
        connect(webBrowser_->page()->profile(), &QWebEngineProfile::downloadRequested, this,
                &BrowserWindow::DownloadRequested);
    }
    return webBrowser_;
}

void BrowserWindow::Navigate(const std::string& url) {
    lookupUrl_ = QUrl(ToQt(url));
    lookupTimer_.start(NameSearchTimeoutMs(session));
    EnsureWebBrowser()->load(lookupUrl_);
}

void BrowserWindow::LookupTimedOut() {
    // A page that never finishes ends the lookup as a page that cannot be reached does.
    if (lookupUrl_.isEmpty()) return;
    LookupFailedBecause(NameSearchTimeoutReason(lookupTimer_.interval()));
}

void BrowserWindow::DownloadRequested(QWebEngineDownloadRequest* download) {
    // An answer that is no page (a file to download) is what the lookup gets: it failed at once.
    // Files the user downloads from a page he opened are his.
    if (lookupUrl_.isEmpty() || download->page() != webBrowser_->page()) return;
    download->cancel();
    const std::string type = FromQt(download->mimeType());
    LookupFailedBecause("the name-search page answered with " + (type.empty() ? std::string("a file") : type) +
                        " instead of a page");
}

void BrowserWindow::LookupFailedBecause(const std::string& why) {
    lookupUrl_.clear();  // first: what stop() reports of the page is no longer the lookup's
    lookupTimer_.stop();
    webBrowser_->stop();
    NameSearchFailed(session, why);
    emit LookupFailed();
}

void BrowserWindow::LoadingChanged(const QWebEngineLoadingInfo& info) {
    // Only the page the lookup asked for counts: a load cut short by a newer lookup, or a page the
    // user opened from a link, is no failure of the lookup.
    if (info.url() != lookupUrl_) return;
    std::string why;
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain && info.errorCode() >= 400)
        why = "the name-search page answered with the error " + std::to_string(info.errorCode());
    else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
        why = "the name-search page could not be reached (" + FromQt(info.errorString()) + ")";
    if (!why.empty()) LookupFailedBecause(why);
}

void BrowserWindow::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void BrowserWindow::CloseWindow() { hide(); }

void BrowserWindow::WebBrowserDocumentComplete(bool ok) {
    // A load that failed or was cut short by a newer lookup has no page to read; the lookup stays
    // pending for the page that does arrive.
    if (!ok || lookupUrl_.isEmpty()) return;
    lookupTimer_.stop();
    QPointer<BrowserWindow> self(this);
    webBrowser_->page()->runJavaScript(QStringLiteral("document.body ? document.body.outerHTML : ''"),
                                       [self](const QVariant& body) {
                                           if (!self) return;
                                           NameSearchDocumentComplete(self->session, FromQt(body.toString()));
                                           if (self) emit self->DocumentRead();
                                       });
}

}  // namespace quorl
