#pragma once
// The scientific-name check of record validation: a species of the chosen genus's list, a genus
// alone or no name at all (each confirmed by the user), or a name confirmed at the name-search page.
namespace quorl {

class Session;

// True when the record's genus and species may be written. A name that the lists cannot confirm
// starts a lookup at the name-search page and gives false: the page restarts the add once it has
// confirmed the name.
bool CheckGenusSpecies(Session& s);

}  // namespace quorl
