#pragma once
// Small accessors the parse phases share: a field's definition (an empty one when the
// definitions file has none), its found line, and a control's text by name.
#include <string>

#include "model/Records.h"

namespace quorl {

class Session;

const LabelFieldClass& Definition(Session& s, int field);
int FoundLineOf(Session& s, int field);
void SetFoundLine(Session& s, int field, int line);
// Text of a control of the main window, "" when there is none.
std::string ControlText(Session& s, const char* name);

}  // namespace quorl
