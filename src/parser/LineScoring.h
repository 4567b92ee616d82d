#pragma once
// Scores of one label line for one field: start words and contained words of the field's
// definition, the learnt word statistics of Description, Location and Habitat, and the test that
// a line opens with another field's start word.
#include <cstdint>
#include <string>
#include <vector>

namespace quorl {

class Session;

// A label line as the field scores read it: trimmed, and cut into lower-cased words. Prepared
// once when one line is scored for many fields.
struct ScoringLine {
    std::string text;
    std::vector<std::string> words;
};
ScoringLine PrepareScoringLine(const Session& s, int line);

// Score of label line `line` for field.
int32_t ScoreLineForField(Session& s, int field, int line);
int32_t ScoreLineForField(Session& s, int field, int line, const ScoringLine& prepared);
// False when label line `line` begins with a start word of another built-in field.
bool LineFreeOfOtherStartWords(Session& s, int field, int line);
// Sets LineScores[11..13][line] from the word statistics.
void ScoreDescriptionLocalityHabitat(Session& s, int line);
// The same with the line's lower-cased words already cut.
void ScoreDescriptionLocalityHabitat(Session& s, int line, const std::vector<std::string>& words);
// Word-statistics score of a (lower-cased) text for field 11, 12 or 13.
int32_t WordStatsScore(Session& s, const std::string& text, int field);

}  // namespace quorl
