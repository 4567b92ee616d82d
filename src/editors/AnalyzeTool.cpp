#include "editors/AnalyzeTool.h"

#include "fields/Trace.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"
#include "records/RecordTakenOut.h"

namespace quorl {

void AnalyzeField(Session& s, int field) {
    if (field < 0 || field >= kBuiltInFields) return;
    if (!OfferRecordTakenOutBack(s)) return;
    StartTrace(s, field);
    ParseLabelWindow(s);
}

void CancelAnalyze(Session& s) {
    s.trace.Trace = false;
    s.trace.TraceText.clear();
    s.trace.TraceLineHeader.clear();
}

}  // namespace quorl
