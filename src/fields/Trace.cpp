#include "fields/Trace.h"

#include "fields/FieldAccess.h"
#include "model/Session.h"

namespace quorl {

bool Tracing(const Session& s, int field) { return s.trace.Trace && s.trace.TraceField == field; }

void TraceAppend(Session& s, int field, const std::string& text) {
    if (Tracing(s, field)) s.trace.TraceText += text;
}

void TraceWithHeading(Session& s, int field, const std::string& text) {
    if (!Tracing(s, field)) return;
    if (!s.trace.TraceLineHeader.empty()) {
        s.trace.TraceText += s.trace.TraceLineHeader;
        s.trace.TraceLineHeader.clear();
    }
    s.trace.TraceText += text;
}

void StartTrace(Session& s, int field) {
    s.trace.Trace = true;
    s.trace.TraceField = field;
    s.trace.TraceText = "Analyzing " + FieldName(field) + "\r\n";
    s.trace.TraceLineHeader.clear();
}

}  // namespace quorl
