#pragma once
// Elevation of the collecting site: how much a label line looks like an elevation, and the
// extractor that reads a value or range in feet or meters into the four elevation controls.
#include <cstdint>
#include <string>
#include <vector>

namespace quorl {

class Session;
struct ScoringLine;

// First index k, from <= k <= to, whose token contains word (ignoring case) and, lower-cased and
// cut before its first '.', equals it ("ft." and "FT" match "ft"); -1 when none.
int FindTokenIndex(const std::vector<std::string>& tokens, const std::string& word, int from, int to);

// Fills the elevation controls from the text and returns the repaired text with the elevation
// (and a start word before it) cut off; sea level sets meters low to "0".
std::string FindElevation(Session& s, const std::string& text);

// Elevation score of label line `line`: 0, a score above 1, or 100 for sea level.
int32_t ElevationScore(Session& s, int line);
// The same with the line already prepared for the field scores.
int32_t ElevationScore(Session& s, int line, const ScoringLine& prepared);

}  // namespace quorl
