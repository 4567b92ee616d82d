#pragma once
// Writing explanation lines of the analyze mode. A scorer or phase explains field N only while
// the trace is on and the traced field is N.
#include <string>

namespace quorl {

class Session;

bool Tracing(const Session& s, int field);
// Appends text when tracing field.
void TraceAppend(Session& s, int field, const std::string& text);
// Same, but first writes the pending heading of the line being scored (once per line).
void TraceWithHeading(Session& s, int field, const std::string& text);
// Starts the explanation of a parse of field: "Analyzing <field name>".
void StartTrace(Session& s, int field);

}  // namespace quorl
