// The second-date phase: a last search for the collection date over all lines, then a second try
// at the collector and the collection number around the date's line.
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/CollectionNumber.h"
#include "parser/CollectorLine.h"
#include "parser/CollectorTokens.h"
#include "parser/DateRecognizer.h"
#include "parser/LineScoring.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

// A collector line read near the date may hold more than the name (its number, a herbarium's
// name after a TAB): the collector keeps what the collector phase's token split takes as the name.
void KeepCollectorName(Session& s) {
    const std::string found = GetFieldText(s, fCollector);
    if (found.empty()) return;
    int split = -1;
    const std::string name = CollectorName(CollectorTokens(s, found), split);
    if (!name.empty() && name != found) SetFieldText(s, fCollector, name, false);
}

// An empty line (a date stood alone on it) lies between the collector's line and another one; the
// collector's line is the one before it unless the one after it scores better as a collector
// (Chih., MEX / VII-4-54 / J. W. MacSwain). The loop then reads that next line.
bool NextLineNamesBetter(const ParserState& p, int c) {
    return p.IsLine(c + 1) && p.Score(fCollector, c + 1) > p.Score(fCollector, c - 1);
}

void NamesAroundTheDate(Session& s) {
    ParserState& p = s.parser;
    WriteToLog(s, "-->Within Collector 6.  Should be rare.");
    for (p.CurrentLine = FoundLineOf(s, fCollectionDate); p.CurrentLine >= 0 && p.CurrentLine < p.LineCount();
         ++p.CurrentLine) {
        const int c = p.CurrentLine;
        if (GetFieldText(s, fCollectionNumber).empty()) {
            std::string line = p.Line(c);
            FindCollectionNumber(s, line);
        }
        if (GetFieldText(s, fCollector).empty()) {
            const std::string text = Trim(p.Line(c));
            // A line of signs only (the stop or stroke left of a date) names no one.
            if (HoldsLetterOrDigit(text)) {
                SplitCollectorLine(s, text);
                KeepCollectorName(s);
            } else if (text.empty() && c > 0 && c - 1 != FoundLineOf(s, fDeterminer) && !NextLineNamesBetter(p, c)) {
                std::string prev = p.Line(c - 1);
                size_t k = 0;
                while (k < prev.size() && !(prev[k] >= 'A' && prev[k] <= 'Z')) ++k;
                prev.erase(0, k);
                if (!prev.empty()) {
                    SplitCollectorLine(s, prev);
                    KeepCollectorName(s);
                }
            }
            const std::string next = p.Line(c + 1);
            if (p.IsLine(c + 1) && PosNoCase("with", next) > 0 && LineFreeOfOtherStartWords(s, fOtherCollectors, c + 1))
                SetFieldText(s, fOtherCollectors, CleanFieldText(ReplaceAllNoCase(next, "with", "")), false);
            p.SetLine(c, "");
        }
    }
    int numberLine = -1;
    if (GetFieldText(s, fCollectionNumber).empty()) {
        for (int i = 0; i < p.LineCount(); ++i) {
            if (i == FoundLineOf(s, fLatLong)) continue;
            std::string line = p.Line(i);
            if (FindCollectionNumber(s, line) != 0) {
                SetFoundLine(s, fCollectionNumber, i);
                p.SetOwner(i, fCollectionNumber);
                numberLine = i;
                break;
            }
        }
    }
    if (numberLine >= 0 && GetFieldText(s, fCollector).empty() && p.Score(fCollector, numberLine) > 2) {
        p.CurrentLine = numberLine;
        SetFieldText(s, fCollector,
                     ReplaceAllNoCase(p.Line(numberLine), GetFieldText(s, fCollectionNumber), ""), false);
    }
    const std::string collector = GetFieldText(s, fCollector);
    if (GetFieldText(s, fCollectionNumber).empty() && !collector.empty()) {
        const int c = FoundLineOf(s, fCollector);
        if (c <= 0) return;
        const std::string& line = p.Line(c);
        const size_t at = Pos(collector, line);
        std::string text = collector;
        if (at > 0 && line.size() > at - 1 + collector.size()) text = line.substr(at - 1 + collector.size());
        size_t k = 0;
        while (k < text.size() && !IsDigit(static_cast<unsigned char>(text[k]))) ++k;
        size_t e = k;
        while (e < text.size() && IsDigit(static_cast<unsigned char>(text[e]))) ++e;
        auto n = TryStrToInt(text.substr(k, e - k));
        if (n && *n > 0) {
            p.CurrentLine = c;
            SetFieldText(s, fCollectionNumber, IntToStr(*n), false);
        }
    }
}

}  // namespace

void SecondDatePhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Second Date");
    ParserState& p = s.parser;
    if (GetFieldText(s, fCollectionDate).empty()) {
        WriteToLog(s, "-->Collection date: Point 3  Should be rare.");
        for (int i = 0; i < p.LineCount(); ++i) {
            std::string line = p.Line(i);
            if (line.empty()) continue;
            const std::string r = ExtractDate(s, line);
            p.SetLine(i, line);
            if (r.empty()) continue;
            p.CurrentLine = i;
            SetFieldText(s, fCollectionDate, r, false);
            p.SetOwner(i, fCollectionDate);
            break;
        }
    }
    WriteToLog(s, "Collector: Point 6");
    if (!GetFieldText(s, fCollectionDate).empty() &&
        (GetFieldText(s, fCollector).empty() || GetFieldText(s, fCollectionNumber).empty()))
        NamesAroundTheDate(s);
}

}  // namespace quorl
