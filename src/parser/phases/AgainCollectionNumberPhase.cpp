// The again-collection-number phase: when no number was found yet, the first line marked "N°"
// or "No." (not the coordinate line) is searched for one.
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/CollectionNumber.h"
#include "parser/Phases.h"

namespace quorl {

void AgainCollectionNumberPhase(Session& s, PhaseState&) {
    if (!GetFieldText(s, fCollectionNumber).empty()) return;
    WriteToLog(s, "Start Again Collection Number");
    ParserState& p = s.parser;
    for (int i = 0; i < p.LineCount(); ++i) {
        const std::string line = p.Line(i);
        if (!Contains(line, "N\xC2\xB0") && !(Contains(line, "No.") && i != FoundLineOf(s, fLatLong))) continue;
        p.CurrentLine = i;
        std::string copy = line;
        if (FindCollectionNumber(s, copy) > 0) {
            TraceAppend(s, fCollectionNumber,
                        "Line \"" + line + "\" accepted because contains \"No.\" or \"N\xC2\xB0\".\r\n");
            p.SetLine(i, CleanFieldText(copy));
        }
        return;
    }
}

}  // namespace quorl
