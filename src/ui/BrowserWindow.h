#pragma once
// The name lookup browser window "QUORL Browser": an embedded web view filling the window. It
// is the session's NameBrowser; every completed page is read by the name lookup with the HTML
// of the page's body.
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <string>

#include "lookup/NameBrowser.h"

class QWebEngineDownloadRequest;
class QWebEngineLoadingInfo;
class QWebEngineView;

namespace quorl {

class Session;

class BrowserWindow : public QWidget, public NameBrowser {
    Q_OBJECT
public:
    explicit BrowserWindow(Session& s);
    ~BrowserWindow() override;

    Session& session;

    void Navigate(const std::string& url) override;
    void ShowWindow() override;
    void CloseWindow() override;

    // The web view, made on the first navigation (so that windows that never look a name up
    // start no browser engine); nullptr before.
    QWebEngineView* WebBrowser() const { return webBrowser_; }

signals:
    // After the body of a completed page went to the name lookup.
    void DocumentRead();
    // After the name lookup was told that its page could not be loaded.
    void LookupFailed();

private:
    QWebEngineView* EnsureWebBrowser();
    void WebBrowserDocumentComplete(bool ok);
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    // The lookup's page has not loaded within its time: the lookup failed.
    void LookupTimedOut();
    void DownloadRequested(QWebEngineDownloadRequest* download);
    // Ends the loading of the lookup's page and tells the name lookup why it failed.
    void LookupFailedBecause(const std::string& why);

    QWebEngineView* webBrowser_ = nullptr;
    QUrl lookupUrl_;  // the page last asked for by the name lookup
    QTimer lookupTimer_;  // runs while that page loads
};

}  // namespace quorl
