#pragma once
// The place check of record validation: country, state and county must come from their lists, and
// the coordinates must lie inside the boxes that the country list gives for them.
#include <string>

namespace quorl {

class Session;

// Warning with Ignore and Cancel: what + " out of range for " + where; true for Ignore.
bool AskIgnoreOutOfRange(Session& s, const std::string& what, const std::string& where);

// False when a place is not one of its list's items (after one message), or when the user cancels
// a coordinate that lies outside the box of the country, state or county.
bool CheckCountryStateCounty(Session& s);

}  // namespace quorl
