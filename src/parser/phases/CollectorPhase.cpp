// The collector phase: the collection date (scanning from the last line), then the collector's
// line chosen by its person-name score near the date, joined with neighbouring name lines and cut
// into the collector, the other collectors and the collection number.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/CollectorTokens.h"
#include "parser/Coordinates.h"
#include "parser/DateRecognizer.h"
#include "parser/NameScore.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

void FindCollectionDate(Session& s) {
    ParserState& p = s.parser;
    if (!BoxText(s, "CollectionDateEdit").empty()) return;
    const int determinedLine = FoundLineOf(s, fDeterminedDate);
    for (int i = p.LineCount() - 1; i >= 0; --i) {
        if (i == determinedLine || !ParserState::IsSlot(i) || p.LineLDHScore[static_cast<size_t>(i)] >= 25) continue;
        std::string line = p.Line(i);
        const std::string d = ExtractDate(s, line);
        p.SetLine(i, line);
        if (d.empty() || CharCount(d) <= CharCount(GetFieldText(s, fCollectionDate))) continue;
        p.CurrentLine = i;
        SetFieldText(s, fCollectionDate, d, false);
        p.SetOwner(i, fCollectionDate);
        if (CharCount(line) < 3) {
            for (int f = 0; f <= 28; ++f) p.SetScore(f, i, 0);
            p.LineNameScore[static_cast<size_t>(i)] = 0;
        }
        if (CharCount(d) > 4) break;
    }
}

bool IsWordChar(std::string_view t, size_t i) {
    return i < t.size() && (IsDigit(static_cast<unsigned char>(t[i])) || IsAsciiLetter(static_cast<unsigned char>(t[i])));
}

// The letters and digits on the far side of a hyphen, from position i towards step (-1 or +1).
std::string_view PartAcross(std::string_view t, size_t i, int step) {
    size_t from = i, to = i;
    if (step < 0)
        while (from > 0 && IsWordChar(t, from - 1)) --from;
    else
        while (IsWordChar(t, to + 1)) ++to;
    return t.substr(from, to - from + 1);
}

bool IsYear(std::string_view t) {
    const auto n = t.size() == 4 ? TryStrToInt(t) : std::nullopt;
    return n && *n > 1900 && *n <= CurrentCalendarYear();
}

// A date that is only a year standing in a hyphenated number ("1998-1234", "1234-1998") dates
// nothing: such a line is a collector's line with its number, not a date line. Two years joined
// by a hyphen are a span of years, a date.
bool YearOfAHyphenatedNumber(std::string_view line, const std::string& date) {
    if (!IsYear(date)) return false;
    for (size_t at = line.find(date); at != std::string_view::npos; at = line.find(date, at + 1)) {
        const size_t end = at + date.size();
        if ((at > 0 && IsDigit(static_cast<unsigned char>(line[at - 1]))) ||
            (end < line.size() && IsDigit(static_cast<unsigned char>(line[end]))))
            continue;
        if (at >= 2 && line[at - 1] == '-' && IsWordChar(line, at - 2) && !IsYear(PartAcross(line, at - 2, -1)))
            return true;
        if (end + 1 < line.size() && line[end] == '-' && IsWordChar(line, end + 1) &&
            !IsYear(PartAcross(line, end + 1, +1)))
            return true;
    }
    return false;
}

// A line whose coordinates the lat/long phase took names no collector.
bool IsCoordinateLine(Session& s, int line) {
    return s.parser.Owner(line) == fLatLong &&
           (!BoxText(s, "LatDegreesEdit").empty() || !BoxText(s, "LongDegreesEdit").empty());
}

// Whether the words of a text that hold letters and no digit are all place words, the contained
// words of the locality (River, Co.), and there is one at least.
bool OnlyPlaceWords(Session& s, const std::string& text) {
    const LabelFieldClass* def = FindFieldDefinition(s, fLocation);
    if (!def) return false;
    const std::vector<std::string>& places = s.parser.wordLists.Contained(fLocation, def->ContainedWords).lower;
    bool place = false;
    for (const std::string& w : SplitLineWords(LowerCase(text))) {
        const bool letter = std::any_of(w.begin(), w.end(), [](char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); });
        if (!letter || HoldsDigit(w)) continue;
        if (std::find(places.begin(), places.end(), w) == places.end()) return false;
        place = true;
    }
    return place;
}

// A line the date was cut from and that is left with place words only (River 400' V-5-75) names
// no collector: its score was earned with the date.
bool IsPlaceLeftOfADate(Session& s, int line) {
    return s.parser.Owner(line) == fCollectionDate && OnlyPlaceWords(s, s.parser.Line(line));
}

// Whether a word ends in a hemisphere letter, stops and commas after it aside (52'N., 107°W,).
bool EndsInHemisphere(std::string_view w) {
    while (!w.empty() && (w.back() == '.' || w.back() == ',' || w.back() == ';' || w.back() == ':')) w.remove_suffix(1);
    return !w.empty() && IsCompassLetter(w.back());
}

// What follows the coordinates of a line: the text after its last coordinate, a word with a
// digit that ends in a hemisphere letter (52'N., 09»W.) or a hemisphere letter after a word with
// a digit (107° W); nothing when the line holds no such word. Lat. 28° N, Long. 107° W, D. Baca
// leaves D. Baca.
std::string AfterTheCoordinates(std::string_view line) {
    size_t end = std::string_view::npos;
    bool digitBefore = false;
    for (size_t i = 0; i < line.size();) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        if (j == i) break;
        const std::string_view w = line.substr(i, j - i);
        if (EndsInHemisphere(w) && (HoldsDigit(w) || (digitBefore && CharCount(Trim(w)) <= 2))) end = j;
        digitBefore = HoldsDigit(w);
        i = j;
    }
    if (end == std::string_view::npos) return {};
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t' || line[end] == ',' || line[end] == ';')) ++end;
    return Trim(line.substr(end));
}

// The line of the best collector score, preferring lines near the date; a coordinate line only
// when coordinateLines is set.
int BestCollectorLine(Session& s, bool coordinateLines, int& best) {
    ParserState& p = s.parser;
    best = 0;
    int c = 0;
    const int dateLine = FoundLineOf(s, fCollectionDate);
    for (int i = 0; i < p.LineCount(); ++i) {
        if (i == FoundLineOf(s, fDeterminer) || i == FoundLineOf(s, fGenus) ||
            (!coordinateLines && IsCoordinateLine(s, i)) || IsPlaceLeftOfADate(s, i))
            continue;
        std::string copy = p.Line(i);
        const std::string date = ExtractDate(s, copy);
        if (!date.empty() && CharCount(copy) < 20 && !YearOfAHyphenatedNumber(p.Line(i), date)) continue;
        const int score = p.Score(fCollector, i) + 2 - std::abs(i - dateLine);
        if (score > best && p.Score(fOtherCollectors, i) - p.Score(fCollector, i) < 5) {
            best = score;
            c = i;
        }
    }
    return c;
}

// The text of collector's line c with the name lines around it: the line before when it scores
// well, the lines after while they look like names, else the second line after when it scores for
// the other collectors. Of a coordinate line only what follows its coordinates is taken, and no
// coordinate line is joined.
std::string CollectorLineText(Session& s, int c, int best) {
    ParserState& p = s.parser;
    std::string text = p.Line(c);
    // Of a coordinate line, what follows the coordinates is taken when it looks like names, as a
    // line joined after the collector's line must.
    if (IsCoordinateLine(s, c)) {
        text = AfterTheCoordinates(text);
        if (NameScore(s, text) <= 1) text.clear();
    }
    if (!text.empty()) TraceAppend(s, fCollector, "High score in \"" + text + "\".\r\n");
    if (c >= 2 && best < 100 && p.Score(fCollector, c - 1) > 5 && !IsCoordinateLine(s, c - 1))
        text = p.Line(c - 1) + " " + text;
    auto join = [&](int j) {
        text += (text.empty() ? "" : ", ") + p.Line(j);
        TraceAppend(s, fCollector, "Add line \"" + p.Line(j) + "\" for high score.\r\n");
    };
    bool appended = false;
    for (int j = c + 1; p.IsLine(j) && ParserState::IsSlot(j) && p.LineNameScore[static_cast<size_t>(j)] > 1 &&
                        !IsCoordinateLine(s, j);
         ++j) {
        join(j);
        appended = true;
    }
    if (!appended && p.IsLine(c + 2) && p.Score(fOtherCollectors, c + 2) > 5 && !IsCoordinateLine(s, c + 2)) join(c + 2);
    return text;
}

// The collector's text. A coordinate line whose coordinates are all it gives, with the lines
// joined to it, is passed over for the best other line.
std::string CollectorText(Session& s) {
    ParserState& p = s.parser;
    int best = 0;
    p.CurrentLine = BestCollectorLine(s, true, best);
    if (IsCoordinateLine(s, p.CurrentLine)) {
        std::string text = CollectorLineText(s, p.CurrentLine, best);
        if (HoldsLetterOrDigit(text)) return text;
        p.CurrentLine = BestCollectorLine(s, false, best);
        // No line scored: the first line is taken, unless its coordinates were taken.
        if (best == 0 && IsCoordinateLine(s, p.CurrentLine)) return {};
    }
    return CollectorLineText(s, p.CurrentLine, best);
}

void SplitTokens(Session& s, const std::vector<std::string>& tok, int c) {
    ParserState& p = s.parser;
    p.CurrentLine = c;
    int split = -1;
    SetFieldText(s, fCollector, CollectorName(tok, split), false);

    const std::string next = p.Line(c + 1);
    if (GetFieldText(s, fOtherCollectors).empty() && p.Score(fOtherCollectors, c + 1) > 5 &&
        StartsWithNoCase(next, "with")) {
        SetFieldText(s, fOtherCollectors, CleanFieldText(RemoveStartWord(s, fOtherCollectors, next)), false);
        return;
    }
    if (split < 0) return;
    std::string others;
    for (size_t k = static_cast<size_t>(split) + 1; k < tok.size(); ++k) {
        const std::string& t = tok[k];
        if (BeginsWithDigit(t) || StartsWithNoCase(t, "with") || PosNoCase("date", t) > 0) continue;
        if (!others.empty() && t != ",") others += " ";
        others += t;
    }
    if (others.empty()) return;
    size_t lead = 0;
    while (lead < others.size() && (others[lead] == '&' || others[lead] == ',')) ++lead;
    others.erase(0, lead);
    p.CurrentLine = FindLineWithMostWords(s, others);
    SetFieldText(s, fOtherCollectors, CleanFieldText(others), false);
}

}  // namespace

void CollectorPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Collector");
    ApplyFieldDefault(s, fCollectionDate);
    FindCollectionDate(s);
    WriteToLog(s, "Collector: Point 2");
    const bool preset = ApplyFieldDefault(s, fCollector);
    WriteToLog(s, "Collector: Point 4");
    std::string text;
    if (!preset) text = CollectorText(s);
    const int c = s.parser.CurrentLine;
    WriteToLog(s, "Collector: Point 5");
    if (preset || text.empty()) return;

    SplitTokens(s, CollectorTokens(s, text), c);
}

}  // namespace quorl
