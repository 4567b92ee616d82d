#include "parser/LineScoring.h"

#include <array>

#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/Trace.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

bool IsLearntField(int field) { return field == fDescription || field == fLocation || field == fHabitat; }

std::string LineHeading(const std::string& line) { return "\r\nScoring \"" + line + "\":\r\n"; }

// The WordStats record of each word (none for a word opening with a digit), looked up once for
// the scores of several fields.
std::vector<const BayesClass*> WordRecords(Session& s, const std::vector<std::string>& words) {
    std::vector<const BayesClass*> records(words.size(), nullptr);
    for (size_t i = 0; i < words.size(); ++i)
        if (!IsDigit(static_cast<unsigned char>(words[i][0]))) records[i] = s.parser.wordIndex.Find(s, words[i]);
    return records;
}

// The word-statistics score of the words of a lower-cased text (see WordStatsScore), given their
// records.
int32_t WordStatsScoreOfWords(Session& s, const std::vector<std::string>& words,
                              const std::vector<const BayesClass*>& records, int field) {
    const size_t pct = field >= 0 && field < 20 ? static_cast<size_t>(field) : 0;
    auto value = [&](const BayesClass& r) { return r.Count == 1 ? 1 : r.FieldPercent[pct] / 25; };
    int32_t score = 0;
    bool numberSeen = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (IsDigit(static_cast<unsigned char>(word[0]))) {
            if (!numberSeen) score += 1;
            numberSeen = true;
            continue;
        }
        const BayesClass* r = records[i];
        if (!r) continue;
        int32_t v = value(*r);
        score += v;
        if (v > 0 && Tracing(s, field)) TraceWithHeading(s, field, "  Add " + IntToStr(v) + " for \"" + word + "\".\r\n");
        if (i + 1 < words.size()) {
            const std::string& next = words[i + 1];
            for (const BayesClass& u : r->Followers)
                if (u.Word == next) {
                    int32_t fv = value(u);
                    score += fv;
                    if (fv > 0 && Tracing(s, field))
                        TraceWithHeading(s, field, "  Add " + IntToStr(fv) + " for Sequence \"" + word + " " + next + "\".\r\n");
                    break;
                }
        }
    }
    int n = static_cast<int>(words.size());
    if (n < 5) {
        score *= 6 - n;
        if (score > 0 && Tracing(s, field)) TraceWithHeading(s, field, "  Increasing score to " + IntToStr(score) + " for small word count .\r\n");
    }
    return score;
}

}  // namespace

ScoringLine PrepareScoringLine(const Session& s, int line) {
    ScoringLine prepared;
    prepared.text = Trim(s.parser.Line(line));
    prepared.words = SplitLineWords(TrimmedView(s.parser.LowerLine(line)));  // trimming is blind to case
    return prepared;
}

int32_t ScoreLineForField(Session& s, int field, int line) {
    return ScoreLineForField(s, field, line, PrepareScoringLine(s, line));
}

int32_t ScoreLineForField(Session& s, int field, int line, const ScoringLine& prepared) {
    const std::string& t = prepared.text;
    if (t.empty()) return 0;
    if (s.trace.Trace) s.trace.TraceLineHeader = LineHeading(t);
    const std::vector<std::string>& words = prepared.words;
    const LabelFieldClass* d = FindFieldDefinition(s, field);
    int32_t score = 0;

    if (d && !words.empty()) {
        for (const std::string& lw : s.parser.wordLists.Start(field, d->StartWords).lower) {
            if (lw == words.front()) {
                score += 100;
                TraceWithHeading(s, field, "  Add 100 for Start Word \"" + lw + "\".\r\n");
                break;
            }
        }
    }
    if (d && !(s.ApplyLearning && IsLearntField(field)) && !(field == fLocation && ContainsNoCase(t, "university"))) {
        for (const std::string& lw : s.parser.wordLists.Contained(field, d->ContainedWords).lower) {
            for (const std::string& word : words)
                if (word == lw) {
                    score += 1;
                    TraceWithHeading(s, field, "  Add 1 for Contained Word \"" + lw + "\".\r\n");
                    break;
                }
        }
    }

    if (field == fAssociatedSpecies) {
        int32_t latin = ParserState::IsSlot(line) ? s.parser.LineLatinScore[static_cast<size_t>(line)] : 0;
        score += latin;
        if (latin > 0) TraceWithHeading(s, field, "  Latin Score: " + IntToStr(latin) + ".\r\n");
    } else if (field == fLatLong) {
        int32_t ll = LatLongScore(s, t);
        if (ll > 0) TraceWithHeading(s, field, "  Latitude/Longitude Score: " + IntToStr(ll) + ".\r\n");
        score += ll;
    } else if (!IsLearntField(field)) {
        int32_t ldh = ParserState::IsSlot(line) ? s.parser.LineLDHScore[static_cast<size_t>(line)] : 0;
        bool shortElevation = field == fElevation && score > 0 && CharCount(t) < 20;
        if (score > 0 && ldh > 0 && !shortElevation) {
            score -= ldh;
            TraceWithHeading(s, field, "Reducing score by " + IntToStr(ldh) +
                                           ", looks like Description, Location or Habitat.\r\n");
        }
    }
    if (score != 0 && Tracing(s, field)) TraceAppend(s, field, "Total score " + IntToStr(score) + ".\r\n");
    return score;
}

namespace {

// A built-in field one of whose start words opens a line, and that word as written in the list.
struct StartWordHit {
    int field = -1;
    std::string word;
};

// The first two built-in fields, in field order, whose start words open the line (the first
// word of each list that does); field -1 where there are fewer.
std::array<StartWordHit, 2> FieldsStartingLine(Session& s, int line) {
    std::array<StartWordHit, 2> hits;
    const std::string_view lower = s.parser.LowerLine(line);
    if (lower.empty()) return hits;
    size_t found = 0;
    const int last = std::min(kBuiltInFields, static_cast<int>(s.FieldDefinitions.size()));
    for (int f = 0; f < last && found < hits.size(); ++f) {
        const FieldWordList& list = s.parser.wordLists.Start(f, s.FieldDefinitions[static_cast<size_t>(f)].StartWords);
        for (size_t k = 0; k < list.lower.size(); ++k) {
            const std::string& lw = list.lower[k];
            if (!lw.empty() && lw[0] == lower[0] && StartsWith(lower, lw)) {
                hits[found++] = StartWordHit{f, list.words[k]};
                break;
            }
        }
    }
    return hits;
}

// Whether the line is free of the start words of the built-in fields other than field, given the
// first two fields whose start words open it.
bool FreeOfOtherStartWords(Session& s, int field, int line, const std::array<StartWordHit, 2>& hits) {
    const StartWordHit& other = hits[0].field != field ? hits[0] : hits[1];
    if (other.field < 0) return true;
    if (Tracing(s, field))
        TraceAppend(s, field, "Rejecting \"" + s.parser.Line(line) + "\". Starts with " +
                                  FieldNames[static_cast<size_t>(other.field)] + " StartWord \"" + other.word + "\".\r\n");
    return false;
}

}  // namespace

bool LineFreeOfOtherStartWords(Session& s, int field, int line) {
    return FreeOfOtherStartWords(s, field, line, FieldsStartingLine(s, line));
}

void ScoreDescriptionLocalityHabitat(Session& s, int line) {
    ScoreDescriptionLocalityHabitat(s, line, SplitLineWords(s.parser.LowerLine(line)));
}

void ScoreDescriptionLocalityHabitat(Session& s, int line, const std::vector<std::string>& words) {
    if (s.trace.Trace) s.trace.TraceLineHeader = LineHeading(s.parser.Line(line));
    const std::array<StartWordHit, 2> hits = FieldsStartingLine(s, line);
    const std::vector<const BayesClass*> records = WordRecords(s, words);
    for (int f : {fDescription, fLocation, fHabitat}) {
        if (!FreeOfOtherStartWords(s, f, line, hits)) continue;
        int32_t score = WordStatsScoreOfWords(s, words, records, f);
        s.parser.SetScore(f, line, score);
        if (score >= 1 && Tracing(s, f)) TraceAppend(s, f, "Total score " + IntToStr(score) + ".\r\n");
    }
}

int32_t WordStatsScore(Session& s, const std::string& text, int field) {
    const std::vector<std::string> words = SplitLineWords(LowerCase(text));
    return WordStatsScoreOfWords(s, words, WordRecords(s, words), field);
}

}  // namespace quorl
