#include "editors/DuplicateChecks.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "base/Text.h"
#include "model/LearningStatsFile.h"
#include "model/Session.h"
#include "parser/LatinScore.h"

namespace quorl {

namespace {

// Lower-cased words that are place or habitat words far more often than anybody's name.
constexpr std::array<std::string_view, 19> kAmbiguousNames = {
    "municipality", "dep",   "herbaceous", "station", "limestone", "large",     "by",
    "yellow",       "tree",  "hills",      "norte",   "frutos",    "plains",    "moctezuma",
    "montezuma",    "myrtaceae", "isla",   "monterey", "sur"};

bool IsAmbiguousName(std::string_view lowered) {
    return std::find(kAmbiguousNames.begin(), kAmbiguousNames.end(), lowered) != kAmbiguousNames.end();
}

// A name written in small letters is a word that was taken for a name.
bool StartsSmall(const std::string& name) {
    if (name.empty()) return false;
    unsigned char c = static_cast<unsigned char>(name[0]);
    return c >= 'a' && c <= 127;
}

// Characters of a UTF-8 text: every byte that does not continue a sequence.
size_t CharacterCount(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// Word indexes by lower-cased word, ascending.
std::unordered_map<std::string, std::vector<size_t>> IndexWords(const std::vector<BayesClass>& words) {
    std::unordered_map<std::string, std::vector<size_t>> index;
    index.reserve(words.size());
    for (size_t i = 0; i < words.size(); ++i) index[LowerCase(words[i].Word)].push_back(i);
    return index;
}

// How many countries and states carry each lower-cased name.
std::unordered_map<std::string, size_t> CountPlaces(const std::vector<CountryClass>& countries) {
    std::unordered_map<std::string, size_t> count;
    for (const CountryClass& c : countries) {
        ++count[LowerCase(c.Name)];
        for (const CountryClass& state : c.Children) ++count[LowerCase(state.Name)];
    }
    return count;
}

template <class T>
void KeepOnly(std::vector<T>& items, const std::vector<bool>& removed) {
    size_t out = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (removed[i]) continue;
        if (out != i) items[out] = std::move(items[i]);
        ++out;
    }
    items.resize(out);
}

// Learnt word pairs stay with the words that remain.
void SaveStats(Session& s, bool words, bool names) {
    s.StatsChanged();
    if (words) SaveWordStats(s, true);
    if (names) SaveNameStats(s);
}

}  // namespace

std::vector<std::string> WordNameDuplicates(const std::vector<BayesClass>& words, const std::vector<std::string>& names) {
    std::unordered_map<std::string, size_t> count;
    count.reserve(words.size());
    for (const BayesClass& w : words) ++count[LowerCase(w.Word)];
    std::vector<std::string> found;
    for (const std::string& n : names) {
        auto it = count.find(LowerCase(n));
        if (it != count.end()) found.insert(found.end(), it->second, n);
    }
    return found;
}

void ResolveWordNameDuplicates(std::vector<BayesClass>& words, std::vector<std::string>& names) {
    auto index = IndexWords(words);
    std::vector<bool> wordRemoved(words.size(), false), nameRemoved(names.size(), false);
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string lowered = LowerCase(names[i]);
        auto it = index.find(lowered);
        if (it == index.end() || it->second.empty()) continue;
        if (IsAmbiguousName(lowered) || StartsSmall(names[i])) {
            nameRemoved[i] = true;
            continue;
        }
        std::vector<size_t>& same = it->second;
        std::erase_if(same, [&](size_t w) {
            if (words[w].Count >= 3) return false;
            wordRemoved[w] = true;
            return true;
        });
    }
    KeepOnly(words, wordRemoved);
    KeepOnly(names, nameRemoved);
}

void ResolveWordNameDuplicates(Session& s) {
    s.dialogs.ShowBusy("Deleting Duplicates", "Please Wait...");
    ResolveWordNameDuplicates(s.WordStats, s.NameStats);
    SaveStats(s, true, true);
    s.dialogs.HideBusy();
}

std::vector<std::string> PlaceNameDuplicates(const std::vector<std::string>& names,
                                             const std::vector<CountryClass>& countries) {
    auto count = CountPlaces(countries);
    std::vector<std::string> found;
    for (const std::string& n : names) {
        auto it = count.find(LowerCase(n));
        if (it != count.end()) found.insert(found.end(), it->second, n);
    }
    return found;
}

void RemoveCountryNames(std::vector<std::string>& names, const std::vector<CountryClass>& countries) {
    auto count = CountPlaces(countries);
    std::erase_if(names, [&](const std::string& n) { return count.count(LowerCase(n)) > 0; });
}

void RemoveCountryNames(Session& s) {
    s.dialogs.ShowBusy("Deleting Duplicates", "Please Wait...");
    RemoveCountryNames(s.NameStats, s.CountryList);
    SaveStats(s, false, true);
    s.dialogs.HideBusy();
}

bool MayBePlantName(const std::string& word) { return CharacterCount(word) > 8 || LatinScore(word) >= 1; }

WordPlantFindings FindWordPlants(const std::vector<BayesClass>& words, const std::vector<FamilyClass>& plants) {
    // Family indexes by lower-cased family name, and per lower-cased genus name the first genus
    // of that name in each family; both in family order.
    std::unordered_map<std::string, std::vector<size_t>> families;
    std::unordered_map<std::string, std::vector<std::pair<size_t, size_t>>> genera;
    for (size_t f = 0; f < plants.size(); ++f) {
        families[LowerCase(plants[f].Name)].push_back(f);
        for (size_t g = 0; g < plants[f].Children.size(); ++g) {
            auto& list = genera[LowerCase(plants[f].Children[g].Name)];
            if (list.empty() || list.back().first != f) list.emplace_back(f, g);
        }
    }

    WordPlantFindings found;
    std::vector<bool> remove(words.size(), false);
    static const std::vector<size_t> noFamilies;
    static const std::vector<std::pair<size_t, size_t>> noGenera;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i].Word;
        auto fit = families.find(word);
        auto git = genera.find(word);
        if (fit == families.end() && git == genera.end()) continue;
        if (!MayBePlantName(word)) continue;
        const auto& fams = fit == families.end() ? noFamilies : fit->second;
        const auto& gens = git == genera.end() ? noGenera : git->second;
        // Families in order: a family named so wins over a genus of that name within it.
        size_t a = 0, b = 0;
        while (a < fams.size() || b < gens.size()) {
            size_t f = a < fams.size() ? fams[a] : SIZE_MAX;
            size_t fg = b < gens.size() ? gens[b].first : SIZE_MAX;
            if (f <= fg) {
                found.names.push_back(plants[f].Name);
                remove[i] = true;
                ++a;
                if (fg == f) ++b;
                continue;
            }
            const FamilyClass& genus = plants[fg].Children[gens[b].second];
            ++b;
            found.names.push_back(genus.Name);
            remove[i] = true;
            if (i + 1 >= words.size()) continue;
            for (const FamilyClass& species : genus.Children)
                if (words[i + 1].Word == LowerCase(species.Name)) {
                    found.names.push_back(species.Name);
                    remove[i + 1] = true;
                    break;
                }
        }
    }
    for (size_t i = 0; i < remove.size(); ++i)
        if (remove[i]) found.words.push_back(i);
    return found;
}

void RemoveWordPlants(std::vector<BayesClass>& words, const WordPlantFindings& found) {
    std::vector<bool> removed(words.size(), false);
    for (size_t i : found.words)
        if (i < removed.size()) removed[i] = true;
    KeepOnly(words, removed);
}

void RemoveWordPlants(Session& s, const WordPlantFindings& found) {
    s.dialogs.ShowBusy("Deleting Duplicates", "Please Wait...");
    RemoveWordPlants(s.WordStats, found);
    SaveStats(s, true, false);
    s.dialogs.HideBusy();
}

}  // namespace quorl
