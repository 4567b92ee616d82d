// The associated-species phase: the best associated-species line and the Latin-looking lines
// after it, without their "with". The lines of the label's own plant name and a herbarium's lines
// are never associated species.
#include <algorithm>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/NumberText.h"
#include "parser/Phases.h"

namespace quorl {

void AssociatedSpeciesPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Associated Species");
    if (!GetFieldText(s, fAssociatedSpecies).empty()) return;
    ParserState& p = s.parser;
    const LabelFieldClass& def = Definition(s, fAssociatedSpecies);
    const int from = std::max(def.Minimum, 0);
    const int to = std::min(def.Maximum, std::min(p.LineCount(), kMaxLabelLines) - 1);
    int best = 0;
    p.CurrentLine = -1;
    const auto ldh = [&](int i) { return ParserState::IsSlot(i) ? p.LineLDHScore[static_cast<size_t>(i)] : 0; };
    const auto latin = [&](int i) { return ParserState::IsSlot(i) ? p.LineLatinScore[static_cast<size_t>(i)] : 0; };
    const auto name = [&](int i) { return ParserState::IsSlot(i) ? p.LineNameScore[static_cast<size_t>(i)] : 0; };
    // A line the family, genus or species was taken from, or a herbarium's line (taken by the
    // herbarium or naming an institution).
    const auto nameOrHerbarium = [&](int i) {
        return i == FoundLineOf(s, fFamily) || i == FoundLineOf(s, fGenus) || i == FoundLineOf(s, fSpecies) ||
               p.Owner(i) == fHerbarium || p.PassedOverByPlaces(i);
    };
    for (int i = from; i <= to; ++i) {
        const int score = p.Score(fAssociatedSpecies, i);
        if (score < ldh(i) || i == FoundLineOf(s, fOtherCollectors) || i == FoundLineOf(s, fCollector) ||
            nameOrHerbarium(i))
            continue;
        if (score > best) {
            best = score;
            p.CurrentLine = i;
        }
    }
    const int c = p.CurrentLine;
    std::string text;
    if (best > 5 && !p.Line(c).empty()) {
        p.SetOwner(c, fAssociatedSpecies);
        text = CleanFieldText(p.Line(c));
        TraceAppend(s, fAssociatedSpecies, "High Score for \"" + p.Line(c) + "\".\r\n");
        const int collectorLine = FoundLineOf(s, fCollector);
        for (int j = c + 1; p.IsLine(j); ++j) {
            const bool wanted = latin(j) > 4 || (!text.empty() && text.back() == ',');
            if (!wanted || j == collectorLine || ldh(j) >= 10 || nameOrHerbarium(j)) break;
            TraceAppend(s, fAssociatedSpecies, "Also High Score for \"" + p.Line(j) + "\".\r\n");
            text += " " + CleanFieldText(p.Line(j));
        }
        text = RemoveStartWord(s, fAssociatedSpecies, text);
    } else if (c >= 0 && FoundLineOf(s, fSpecies) < c && latin(c) > 5 && name(c) < 5) {
        text = CleanFieldText(p.Line(c));
        p.SetOwner(c, fAssociatedSpecies);
        for (int j = c + 1; p.IsLine(j) && latin(j) > 4 && !nameOrHerbarium(j); ++j)
            text += " " + CleanFieldText(CleanNumberText(p.Line(j)));
    }
    if (text.empty()) return;
    text = CleanFieldText(Trim(ReplaceAllNoCase(text, "with ", "")));
    SetFieldText(s, fAssociatedSpecies, text, true);
}

}  // namespace quorl
