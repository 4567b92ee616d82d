#pragma once
// The configuration check's duplicate searches read literally: every name against every word,
// place and plant name, one pair at a time. The indexed searches must give exactly these results;
// the tests compare the two and the benchmark times both.
#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "editors/DuplicateChecks.h"
#include "model/Records.h"

namespace quorl::quadratic {

inline std::vector<std::string> WordNameDuplicates(const std::vector<BayesClass>& words,
                                                   const std::vector<std::string>& names) {
    std::vector<std::string> found;
    for (const std::string& n : names)
        for (const BayesClass& w : words)
            if (LowerCase(w.Word) == LowerCase(n)) found.push_back(n);
    return found;
}

inline void ResolveWordNameDuplicates(std::vector<BayesClass>& words, std::vector<std::string>& names) {
    static constexpr std::array<std::string_view, 19> kList = {
        "municipality", "dep", "herbaceous", "station", "limestone", "large", "by", "yellow", "tree", "hills",
        "norte", "frutos", "plains", "moctezuma", "montezuma", "myrtaceae", "isla", "monterey", "sur"};
    size_t i = 0;
    while (i < names.size()) {
        bool nameRemoved = false;
        size_t j = 0;
        while (j < words.size()) {
            const std::string n = LowerCase(names[i]);
            if (LowerCase(words[j].Word) != n) {
                ++j;
                continue;
            }
            unsigned char first = static_cast<unsigned char>(names[i][0]);
            if (std::find(kList.begin(), kList.end(), n) != kList.end() || (first >= 'a' && first <= 127)) {
                names.erase(names.begin() + static_cast<long>(i));
                nameRemoved = true;
                break;
            }
            if (words[j].Count < 3) {
                words.erase(words.begin() + static_cast<long>(j));
                continue;
            }
            ++j;
        }
        if (!nameRemoved) ++i;
    }
}

inline std::vector<std::string> PlaceNameDuplicates(const std::vector<std::string>& names,
                                                    const std::vector<CountryClass>& countries) {
    std::vector<std::string> found;
    for (const std::string& n : names)
        for (const CountryClass& c : countries) {
            if (LowerCase(c.Name) == LowerCase(n)) found.push_back(n);
            for (const CountryClass& state : c.Children)
                if (LowerCase(state.Name) == LowerCase(n)) found.push_back(n);
        }
    return found;
}

inline void RemoveCountryNames(std::vector<std::string>& names, const std::vector<CountryClass>& countries) {
    size_t i = 0;
    while (i < names.size()) {
        bool match = false;
        for (const CountryClass& c : countries) {
            if (LowerCase(c.Name) == LowerCase(names[i])) match = true;
            for (const CountryClass& state : c.Children)
                if (!match && LowerCase(state.Name) == LowerCase(names[i])) match = true;
            if (match) break;
        }
        if (match)
            names.erase(names.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

// Found names in order, and the words to remove: each matching word, and the word after a genus
// when it is one of the genus's species.
inline WordPlantFindings FindWordPlants(const std::vector<BayesClass>& words, const std::vector<FamilyClass>& plants) {
    WordPlantFindings found;
    std::set<size_t> remove;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i].Word;
        if (!MayBePlantName(word)) continue;
        for (const FamilyClass& f : plants) {
            if (word == LowerCase(f.Name)) {
                found.names.push_back(f.Name);
                remove.insert(i);
                continue;
            }
            for (const FamilyClass& g : f.Children) {
                if (word != LowerCase(g.Name)) continue;
                found.names.push_back(g.Name);
                remove.insert(i);
                if (i + 1 < words.size())
                    for (const FamilyClass& sp : g.Children)
                        if (words[i + 1].Word == LowerCase(sp.Name)) {
                            found.names.push_back(sp.Name);
                            remove.insert(i + 1);
                            break;
                        }
                break;
            }
        }
    }
    found.words.assign(remove.begin(), remove.end());
    return found;
}

}  // namespace quorl::quadratic
