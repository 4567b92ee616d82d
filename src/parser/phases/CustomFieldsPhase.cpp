// The custom-field phase: every line that scores for a user-defined field is appended to it;
// Latin-looking lines go to none.
#include "fields/FieldAccess.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void CustomFieldsPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Start Custom Fields");
    ParserState& p = s.parser;
    const int fields = std::min(static_cast<int>(s.FieldDefinitions.size()), kMaxFields);
    for (int i = 0; i < std::min(p.LineCount(), kMaxLabelLines); ++i) {
        if (p.LineLatinScore[static_cast<size_t>(i)] >= 5) continue;
        p.CurrentLine = i;
        for (int f = kBuiltInFields; f < fields; ++f)
            if (!s.FieldDefinitions[static_cast<size_t>(f)].Name.empty() && p.Score(f, i) > 0)
                SetFieldText(s, f, p.Line(i), true);
    }
}

}  // namespace quorl
