#pragma once
// The window that shows the name-search page, as the name lookup drives it. The window reports
// each completed page to NameSearchDocumentComplete with the HTML of the page's body.
#include <string>

namespace quorl {

class NameBrowser {
public:
    virtual ~NameBrowser() = default;
    // Starts loading the page; returns at once.
    virtual void Navigate(const std::string& url) = 0;
    virtual void ShowWindow() = 0;
    virtual void CloseWindow() = 0;
};

}  // namespace quorl
