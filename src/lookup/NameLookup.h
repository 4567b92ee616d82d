#pragma once
// The scientific-name lookup at the name-search page: the query sent for the main window's name,
// and the reading of the page that comes back, which confirms the name or offers the name the page
// shows in italics, and then runs the add again.
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

class Session;

// The name as queried: every "ssp" (any case) becomes "subsp".
std::string NameSearchQuery(std::string_view scientificName);
// host + "/NameSearch.aspx?name=" + the query, percent-encoded as UTF-8.
std::string NameSearchUrl(std::string_view host, std::string_view scientificName);

// Sends ScientificNameEdit to the page of the NameSearchHost setting in the browser window and
// shows it; the page's completion is handled later. False, with the reason in whyNot, when the page
// cannot be asked for (no NameSearchHost line, no browser window).
bool ShowNameSearch(Session& s, std::string& whyNot);

// How long the name-search page may take to load, in milliseconds: the NameSearchTimeout setting
// (seconds) of Settings.txt, 20 seconds without one or with one that is no positive number.
int NameSearchTimeoutMs(Session& s);
// Why the lookup failed when its page did not load in time, for the user.
std::string NameSearchTimeoutReason(int milliseconds);

// The markup the page must hold in italics to confirm the record: the Scientific Name, or with a
// rank: genus species</i> rank <i>epithet.
std::string ExpectedNameMarkup(Session& s);

// The name offered by the page's first line holding "<I>": the first italic run, or the first run,
// the text after it and a second run when that follows within 100 characters, with every run of
// blanks between them made one blank. "" when no line holds "<I>".
std::string OfferedName(const std::vector<std::string>& lines);

}  // namespace quorl
