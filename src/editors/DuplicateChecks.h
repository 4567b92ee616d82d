#pragma once
// Checks 4-6 of the configuration check and their repairs: learnt words that are also person
// names, person names that are also places, and plant names among the learnt words. Each check
// compares every entry of one list with every entry of another; hash indexes of the lower-cased
// entries make that linear, with results in the same order and number as the pairwise scan.
// Lower-casing changes the letters A-Z only; all comparisons are exact after it.
#include <cstddef>
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Every name that is also a learnt word, once per matching word, in name order.
std::vector<std::string> WordNameDuplicates(const std::vector<BayesClass>& words, const std::vector<std::string>& names);

// Repair 4 on the tables: for each name in order that matches learnt words, the name goes when
// it is one of the ambiguous built-in words or starts with a small letter; otherwise every
// matching word seen fewer than 3 times goes, and a word seen more often stays with the name.
void ResolveWordNameDuplicates(std::vector<BayesClass>& words, std::vector<std::string>& names);
// The same on the session's statistics; rewrites WordStats.txt and NameStats.txt.
void ResolveWordNameDuplicates(Session& s);

// Every name that is also a country or a state name, once per matching place, in name order.
std::vector<std::string> PlaceNameDuplicates(const std::vector<std::string>& names,
                                             const std::vector<CountryClass>& countries);
// Removes the names that are country or state names; on the session, rewrites NameStats.txt.
void RemoveCountryNames(std::vector<std::string>& names, const std::vector<CountryClass>& countries);
void RemoveCountryNames(Session& s);

// Plant names among the learnt words: words longer than 8 characters or with a Latin score of at
// least 1 that equal a lower-cased family or genus name, and the word after a genus when it
// equals one of that genus's species.
struct WordPlantFindings {
    // The family, genus and species names found, in word order and, per word, in family order.
    std::vector<std::string> names;
    // Indexes into the word list of the words to remove, ascending, each once.
    std::vector<size_t> words;
    bool Empty() const { return names.empty(); }
};
WordPlantFindings FindWordPlants(const std::vector<BayesClass>& words, const std::vector<FamilyClass>& plants);
// Removes the found words; on the session, rewrites WordStats.txt.
void RemoveWordPlants(std::vector<BayesClass>& words, const WordPlantFindings& found);
void RemoveWordPlants(Session& s, const WordPlantFindings& found);

// Whether a learnt word is examined by the plant-name check.
bool MayBePlantName(const std::string& word);

}  // namespace quorl
