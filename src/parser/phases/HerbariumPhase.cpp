// The herbarium phase: every contained word of the Herbarium found in the label empties its line;
// the last one found gives the field its value.
#include <optional>

#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/FindName.h"
#include "parser/Phases.h"

namespace quorl {

void HerbariumPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Herbarium");
    if (ApplyFieldDefault(s, fHerbarium)) return;
    s.parser.PlaceSearchField = fHerbarium;
    const LabelFieldClass def = Definition(s, fHerbarium);
    std::optional<SearchLines> lines;  // prepared again after a line was emptied
    for (const std::string& word : CutWordList(def.ContainedWords)) {
        if (word.empty()) continue;
        if (!lines) lines.emplace(s);
        if (FindNameInChunks(s, def, word, false, *lines) == 0) continue;
        const int c = s.parser.CurrentLine;
        SetFieldText(s, fHerbarium, CleanFieldText(s.parser.Line(c)), false);
        s.parser.SetLine(c, "");
        s.parser.SetOwner(c, fHerbarium);
        lines.reset();
    }
}

}  // namespace quorl
