#pragma once
// The collector's number of a specimen: finding it in a text, telling it from the collection
// year, and splitting hyphenated numbers into prefix, number and suffix.
#include <string>

namespace quorl {

class Session;

// True when the number equals the year of the collection date (its last word for four-digit
// numbers, its last two characters for numbers below 100).
bool IsCollectionYear(Session& s, const std::string& number);

// Splits a hyphenated number (1998-1234, 1234-98, A-12-1998) around the collection year into
// the prefix, number and suffix controls; false when it is no such number.
bool SplitHyphenatedNumber(Session& s, const std::string& token);

// Finds the collector's number in text, fills the Collection Number (and prefix and suffix) and
// returns it; 0 when there is none. Plausible years (1975 up to this year), numbers below 100 and
// elevations (1200m) are no collection numbers. "No." and "N°" marks are removed from text.
int FindCollectionNumber(Session& s, std::string& text);

}  // namespace quorl
