#pragma once
// Small accessors the parse phases share: a field's definition (an empty one when the
// definitions file has none) and its found line.
#include <string>

#include "model/Records.h"

namespace quorl {

class Session;

const LabelFieldClass& Definition(Session& s, int field);
int FoundLineOf(Session& s, int field);
void SetFoundLine(Session& s, int field, int line);

}  // namespace quorl
