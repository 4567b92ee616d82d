#pragma once
// Splitting one label line into the collector and the other collectors (and a number that
// follows a lone collector's name).
#include <string>

namespace quorl {

class Session;

// At the first " & ", " with ", " and ", " , " or " y " the collector ends and the other
// collectors begin; without a separator a number after the name becomes the Collection Number.
// A text that begins with "&" (or "with") is read together with the previous label line.
void SplitCollectorLine(Session& s, std::string text);

}  // namespace quorl
