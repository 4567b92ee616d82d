// The determiner phase: the person who identified the specimen and the date of identification,
// from the line that scores clearly better as a determiner than as a collector, else from a
// contained word of the Determiner.
#include <optional>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/DateRecognizer.h"
#include "parser/FindName.h"
#include "parser/NumberText.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

void FromBestLine(Session& s, int best) {
    ParserState& p = s.parser;
    const int c = p.CurrentLine;
    std::string text = p.Line(c);
    TraceAppend(s, fDeterminer, "High score " + IntToStr(best) + " for \"" + text + "\".\r\n");
    text = RemoveStartWord(s, fDeterminer, text);
    size_t k = 0;
    while (k < text.size() && !IsDigit(static_cast<unsigned char>(text[k]))) ++k;
    if (k == text.size()) k = 0;
    if (k > 0) {
        SetFieldText(s, fDeterminer, CleanFieldText(CleanNumberText(text.substr(0, k))), false);
        SetFieldText(s, fDeterminedDate, ExtractDate(s, text), false);
        text.erase(0, std::min(k, text.size()));
        if (GetFieldText(s, fDeterminedDate).empty()) {
            size_t e = 0;
            while (e < text.size() && IsDigit(static_cast<unsigned char>(text[e]))) ++e;
            // The digits and the character after them.
            SetFieldText(s, fDeterminedDate, CleanFieldText(text.substr(0, CharsForward(text, e, 1))), false);
        }
    } else {
        const size_t by = Pos("by ", text);
        if (by == 1 || by == 2) text.erase(0, 3);
        TraceAppend(s, fDeterminer, "Last resort:  Accept \"" + text + "\" starts with \"by\".\r\n");
        SetFieldText(s, fDeterminer, CleanFieldText(text), false);
    }
    SetFoundLine(s, fDeterminer, c);
    p.SetOwner(c, fDeterminer);
    p.SetLine(c, "");
}

void FromContainedWords(Session& s) {
    ParserState& p = s.parser;
    const LabelFieldClass def = Definition(s, fDeterminer);
    std::optional<SearchLines> lines;  // prepared again after a line was changed
    for (const std::string& word : CutWordList(def.ContainedWords)) {
        if (word.empty()) continue;
        if (!lines) lines.emplace(s);
        if (FindNameInChunks(s, def, word, false, *lines) == 0) continue;
        lines.reset();
        const int c = p.CurrentLine;
        std::string line = p.Line(c);
        // The text after the word, counted in characters (the word may stand only in the line
        // without accents: it is then taken from where the line would hold it).
        const long at = CharPosOf(line, static_cast<long>(PosNoCase(word, line)));
        std::string text = CleanFieldText(CopyChars(line, at + static_cast<long>(CharCount(word)), 1000));
        if (StartsWithNoCase(text, "by ")) text.erase(0, 3);
        SetFieldText(s, fDeterminedDate, ExtractDate(s, line), false);
        p.SetLine(c, line);
        SetFieldText(s, fDeterminer, CleanFieldText(CleanNumberText(text)), false);
        SetFoundLine(s, fDeterminer, c);
        if (!GetFieldText(s, fDeterminedDate).empty()) SetFoundLine(s, fDeterminedDate, c);
        p.SetLine(c, "");
    }
}

}  // namespace

void DeterminerPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Determiner");
    const bool fromDefault = ApplyFieldDefault(s, fDeterminer);
    ParserState& p = s.parser;
    int best = 0;
    p.CurrentLine = 0;
    for (int i = 0; i < p.LineCount(); ++i) {
        const int score = p.Score(fDeterminer, i);
        if (score > best && score - p.Score(fCollector, i) > 2) {
            best = score;
            p.CurrentLine = i;
        }
    }
    if (best > 5)
        FromBestLine(s, best);
    else if (!fromDefault)
        FromContainedWords(s);
}

}  // namespace quorl
