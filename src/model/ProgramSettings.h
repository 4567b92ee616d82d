#pragma once
// Deployment settings of the program folder: Settings.txt, one "key<TAB>value" a line (for
// example the host of the name-search service).
#include <string>
#include <string_view>

namespace quorl {

class Session;

// The value of the first line whose key matches exactly, trimmed; "" when the file or key is missing.
std::string ProgramSetting(Session& s, std::string_view key);

}  // namespace quorl
