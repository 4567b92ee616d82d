#pragma once
// Searching a plant or place name in the label lines of a field's window.
#include <cstdint>
#include <string>

namespace quorl {

class Session;
struct LabelFieldClass;

// Searches name (ignoring case, in the accent-folded line, " USA" read as " United States") in
// the lines from Minimum - 2 to Maximum - 1 of the field's definition. A name glued to a letter
// before it does not count, nor, with wholeWord, one glued to a letter after it. Returns 0 when
// not found, else 1 + the name's position in the line, and sets CurrentLine to the line.
int32_t FindNameInChunks(Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord);

}  // namespace quorl
