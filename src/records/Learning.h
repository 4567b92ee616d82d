#pragma once
// Learning from an added record: the words of Description, Location and Habitat update the word
// statistics (per word and per following word), the names of Collector and Other Collectors
// update the name statistics, and both files in the user folder are written again.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Learns fields 11-13 and the names of fields 0 and 2; rewrites WordStats.txt and NameStats.txt.
void UpdateLearningFiles(Session& s);

// Learns one word for a field together with the word that follows it ("" for none).
void AddWordStat(Session& s, std::string word, std::string nextWord, int field);

// One learning step of a known word: the old percentages count as at most ten occurrences.
BayesClass UpdateWordStat(BayesClass record, int field);

// The words learnt from a field's text: quotes, apostrophes and commas removed, then split at
// blanks, TABs, ".", ";", ":" and line breaks (no empty words).
std::vector<std::string> LearningWords(const std::string& text);

}  // namespace quorl
