#pragma once
// The scientific-name check of record validation: a species of the chosen genus's list, a genus
// alone or no name at all (each confirmed by the user), or a name confirmed at the name-search page.
#include <string>

namespace quorl {

class Session;

// True when the record's genus and species may be written. A name that the lists cannot confirm
// starts a lookup at the name-search page and gives false: the page restarts the add once it has
// confirmed the name.
bool CheckGenusSpecies(Session& s);

// The name-search page could not check the Scientific Name (why: the reason, for the user): asks
// whether to add the record anyway; the log tells the user's choice. True for Yes.
bool AcceptUncheckedName(Session& s, const std::string& why);

}  // namespace quorl
