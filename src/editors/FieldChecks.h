#pragma once
// The first three checks of the configuration check and their repairs: field line limits, the
// start and contained word lists, and the preferences that learning needs. Each report is the
// text of lines that the question shows; an empty report means nothing was found.
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Fields whose Minimum lies above 1 (above 3 for Associated Species, Description, Location,
// Habitat, Elevation and Latitude/Longitude) or whose Maximum lies below 50; Scientific Name is
// never reported.
std::string FieldLimitReport(const std::vector<LabelFieldClass>& fields);
// Minimum 3 for Scientific Name and the six fields above, 0 for every other; Maximum 50 for all.
// Writes FieldDefinitions.txt and tells the user.
void ResetFieldLimits(Session& s);

// Periods and colons in the word lists and words listed twice (one line per pair of copies).
std::string WordListReport(const std::vector<LabelFieldClass>& fields);
// The words of a comma list, each trimmed; an empty item between two commas is kept.
std::vector<std::string> SplitWordList(std::string_view list);
// The list without its empty items and later copies of a word, joined with "," in the order of
// the first copies.
std::string RemoveRepeatedWords(std::string_view list);
// Removes periods and colons and repeated words from both lists of every field and writes
// FieldDefinitions.txt.
void CleanStartContainedWords(Session& s);

// Lines for a minimum elevation of 0 and for learning that is off or not applied.
std::string PreferenceReport(const Session& s);
// Minimum elevation 10, learning on and applied; writes Preferences.txt.
void SetRecommendedPreferences(Session& s);

}  // namespace quorl
