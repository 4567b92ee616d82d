#pragma once
// The answer of the name-search page: confirms the looked-up name and restarts the add, or offers
// the name the page shows instead.
#include <string>

namespace quorl {

class Session;

// A page of the browser window has loaded. Only the page of the pending lookup is read, and only
// while ScientificNameEdit still holds the name looked up: the name in italics confirms it and
// restarts the add; another italic name is offered and, when accepted, replaces the name first.
void NameSearchDocumentComplete(Session& s, const std::string& bodyHtml);

// The page of the pending lookup could not be loaded (why: the reason, for the user). The user is
// asked whether to add the record without the check; Yes restarts the add.
void NameSearchFailed(Session& s, const std::string& why);

}  // namespace quorl
