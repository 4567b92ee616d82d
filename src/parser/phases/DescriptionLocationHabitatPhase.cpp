// The description/location/habitat phase: with learnt word statistics, whole lines (line mode) or
// runs of words (word mode) go to the field their words were learnt for; without them, lines go
// by their start and contained words (fallback mode). Then the three fields are tidied and the
// Location loses a leading country and state.
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

constexpr size_t kMaxWords = 50;

void LineMode(Session& s) {
    ParserState& p = s.parser;
    const int lines = std::min(p.LineCount(), kMaxLabelLines);
    for (int i = 0; i < lines; ++i) {
        const std::string line = p.Line(i);
        if (line.empty()) continue;
        bool skip = false;
        for (int f = 0; f <= 29 && !skip; ++f) {
            if (f >= fDescription && f <= fHabitat) continue;
            if (FoundLineOf(s, f) == i || p.Score(f, i) > 25) skip = true;
        }
        if (i > 0 && i == FoundLineOf(s, fElevation) && CharCount(line) < 35) skip = true;
        if (p.Score(fCountry, i) > 50) skip = true;
        if (skip) continue;
        int field = fDescription, best = p.Score(fDescription, i);
        for (int f : {fLocation, fHabitat})
            if (p.Score(f, i) > best) best = p.Score(f, i), field = f;
        if (best <= 5) continue;
        TraceAppend(s, field, "High score of " + IntToStr(best) + " in \"" + line + "\".\r\n");
        p.CurrentLine = i;
        if (!ApplyFieldDefault(s, field)) SetFieldText(s, field, line, true);
    }
}

// The field a learnt word belongs to: Description above 50 per cent, else the larger share.
int WordField(Session& s, const std::string& word, int line) {
    const BayesClass* r = s.parser.wordIndex.Find(s, LowerCase(word));
    if (!r) return 0;
    int field = 0, v = 0;
    if (r->FieldPercent[fDescription] > 50 && Definition(s, fDescription).Minimum <= line)
        field = fDescription, v = r->FieldPercent[fDescription];
    if (r->FieldPercent[fLocation] > v && Definition(s, fLocation).Minimum <= line)
        field = fLocation, v = r->FieldPercent[fLocation];
    if (r->FieldPercent[fHabitat] > v && Definition(s, fHabitat).Minimum <= line) field = fHabitat;
    return field;
}

void AppendUnlessDefault(Session& s, int field, int line, const std::string& text) {
    s.parser.CurrentLine = line;
    if (!ApplyFieldDefault(s, field)) SetFieldText(s, field, text, true);
}

void WordMode(Session& s) {
    ParserState& p = s.parser;
    const int lines = std::min(p.LineCount(), kMaxLabelLines);
    for (int i = 0; i < lines; ++i) {
        std::string text = p.Line(i);
        if (text.empty()) continue;
        const size_t cut = PosNoCase("elevation", text);
        if (cut > 0) text.erase(cut - 1);
        if (text.empty()) continue;

        std::vector<std::string> words;
        std::string word;
        for (size_t k = 0; k <= text.size(); ++k) {
            const char c = k < text.size() ? text[k] : ' ';
            if (IsAsciiLetter(static_cast<unsigned char>(c))) {
                word += c;
            } else if (!word.empty()) {
                if (words.size() < kMaxWords) words.push_back(word);
                word.clear();
            }
        }
        std::vector<int> fields;
        for (const auto& w : words) fields.push_back(WordField(s, w, i));

        int cur = 0;
        long start = 1;
        for (size_t k = 0; k < words.size(); ++k) {
            const int f = fields[k];
            if (f == 0 || f == cur) continue;
            if (cur == 0) {
                cur = f;
                continue;
            }
            const bool confirmed = k + 1 == words.size() || (k + 1 < words.size() && fields[k + 1] == f) ||
                                   (k + 2 < words.size() && fields[k + 2] == f);
            if (!confirmed) continue;
            const long pos = static_cast<long>(Pos(words[k], text));
            AppendUnlessDefault(s, cur, i, Copy(text, start, pos - start - 1));
            start = pos;
            cur = f;
        }
        if (cur > 0) AppendUnlessDefault(s, cur, i, Copy(text, start, static_cast<long>(text.size())));
    }
}

void FallbackMode(Session& s) {
    ParserState& p = s.parser;
    const int lines = std::min(p.LineCount(), kMaxLabelLines);
    for (int i = 0; i < lines; ++i) {
        if (p.LineLatinScore[static_cast<size_t>(i)] >= 5) continue;
        for (int f : {fDescription, fLocation, fHabitat}) {
            const LabelFieldClass& def = Definition(s, f);
            if (ApplyFieldDefault(s, f)) continue;
            if (def.Minimum > i || i > def.Maximum || p.Score(f, i) <= 1) continue;
            std::string text = p.Line(i);
            for (const std::string& sw : CutWordList(def.StartWords)) {
                if (sw.empty()) continue;
                text = ReplaceAllNoCase(text, sw + ":", "");
                text = ReplaceAllNoCase(text, sw, "");
            }
            if (f == fHabitat || (f == fDescription && PosNoCase("Elevation", text) > 0)) {
                const size_t e = Pos("Elevation", text);
                if (e > 0) text.erase(e - 1);
            }
            p.CurrentLine = i;
            SetFieldText(s, f, text, true);
        }
    }
}

// A Location that starts with the country or the state loses it.
std::string DropLeadingPlace(const std::string& loc, const std::string& place) {
    if (place.empty() || !StartsWithNoCase(loc, place)) return loc;
    return CleanFieldText(loc.substr(place.size()));
}

}  // namespace

void DescriptionLocationHabitatPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start L/D/H");
    if (s.WordStats.size() > 10 && s.ApplyLearning) {
        if (s.DontSplitLines) LineMode(s);
        else WordMode(s);
    } else {
        FallbackMode(s);
    }
    for (int f : {fDescription, fLocation, fHabitat})
        if (!ApplyFieldDefault(s, f)) SetFieldText(s, f, RemoveStartWord(s, f, GetFieldText(s, f)), false);
    if (!ApplyFieldDefault(s, fLocation)) {
        const std::string country = GetFieldText(s, fCountry), state = GetFieldText(s, fState);
        std::string loc = GetFieldText(s, fLocation);
        loc = DropLeadingPlace(loc, country);
        loc = DropLeadingPlace(loc, state);
        loc = DropLeadingPlace(loc, country);
        SetFieldText(s, fLocation, RemoveStartWord(s, fLocation, loc), false);
    }
}

}  // namespace quorl
