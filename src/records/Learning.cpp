#include "records/Learning.h"

#include <algorithm>
#include <cmath>

#include "base/Letters.h"
#include "base/NumberRange.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "model/LearningStatsFile.h"
#include "model/Session.h"

namespace quorl {

namespace {

BayesClass NewWordStat(const std::string& word, int field) {
    BayesClass b;
    b.Word = word;
    b.Count = 1;
    if (field >= 0 && field < static_cast<int>(b.FieldPercent.size())) b.FieldPercent[field] = 100;
    return b;
}

template <class List>
auto FindWord(List& list, const std::string& word) {
    return std::find_if(list.begin(), list.end(), [&](const BayesClass& b) { return b.Word == word; });
}

// Adds the person names of a field text to NameStats. Words are cut at blanks; a last rest of one
// or two characters is not taken. Lengths are counted in characters, not bytes.
void LearnNames(Session& s, std::string t, size_t minLength) {
    // Names are single words on single lines of the file: TABs and line breaks separate too.
    for (char& c : t)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    while (MoreCharsThan(t, 2)) {
        std::string w = NextToken(t, " ", true);
        if (w.empty() || CharCount(w) < minLength) continue;
        if (std::find(s.NameStats.begin(), s.NameStats.end(), w) != s.NameStats.end()) continue;
        s.NameStats.push_back(w);
        s.StatsChanged();
    }
}

}  // namespace

BayesClass UpdateWordStat(BayesClass record, int field) {
    const float n = static_cast<float>(record.Count);
    const float N = n < 10 ? n : 10.0f;
    for (int i = 11; i <= 13; ++i) {
        const float p = static_cast<float>(record.FieldPercent[i]);
        float v = static_cast<float>(static_cast<long double>(p) * N * 0.01);
        if (i == field) {
            v = static_cast<float>(v + 1.0L);
        } else if (record.FieldPercent[i] <= 0) {
            continue;
        }
        record.FieldPercent[i] = static_cast<int32_t>(std::trunc(static_cast<long double>(v) / (N + 1.0L) * 100));
    }
    if (record.Count < kMaxWordCount) record.Count += 1;
    return record;
}

void AddWordStat(Session& s, std::string word, std::string nextWord, int field) {
    word = LowerCaseText(word);
    nextWord = LowerCaseText(nextWord);
    auto it = FindWord(s.WordStats, word);
    if (it == s.WordStats.end()) {
        BayesClass b = NewWordStat(word, field);
        if (!nextWord.empty()) b.Followers.push_back(NewWordStat(nextWord, field));
        s.WordStats.push_back(std::move(b));
        s.StatsChanged();
        return;
    }
    *it = UpdateWordStat(std::move(*it), field);
    auto f = FindWord(it->Followers, nextWord);
    if (f == it->Followers.end())
        it->Followers.push_back(NewWordStat(nextWord, field));
    else
        *f = UpdateWordStat(std::move(*f), field);
}

std::vector<std::string> LearningWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == '"' || c == '\'' || c == ',') continue;
        if (c == ' ' || c == '\t' || c == '.' || c == ';' || c == ':' || c == '\r' || c == '\n') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

void UpdateLearningFiles(Session& s) {
    for (int f : {fDescription, fLocation, fHabitat}) {
        std::vector<std::string> words = LearningWords(GetFieldText(s, f));
        for (size_t i = 0; i < words.size(); ++i)
            AddWordStat(s, words[i], i + 1 < words.size() ? words[i + 1] : std::string(), f);
    }
    SaveWordStats(s, true);

    LearnNames(s, GetFieldText(s, fCollector), 0);
    LearnNames(s, ReplaceAll(GetFieldText(s, fOtherCollectors), ",", " "), 3);
    SaveNameStats(s);
}

}  // namespace quorl
