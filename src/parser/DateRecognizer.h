#pragma once
// Finds one calendar date in a label line, normalises it to "day Mon year" (English month
// abbreviation, four-digit year) and cuts the date's text out of the line.
#include <string>

namespace quorl {

class Session;

// Returns the date ("12 May 1995", "May 1995", "1995" or "12  1995"), or "" when the line holds
// none. The line is changed in place: glued month names get blanks, "ApriI" becomes "April", and
// a found date's text is removed. Years from 1901 up to the current calendar year are read.
std::string ExtractDate(Session& s, std::string& line);

}  // namespace quorl
