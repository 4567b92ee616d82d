#pragma once
// Characters that a name or text may not hold because the file it goes into uses them to cut its
// lines and columns.
#include <optional>
#include <string>
#include <string_view>

namespace quorl {

// The first character of text that is one of forbidden, described for a message ("a TAB",
// "a line break", or the character in quotation marks); nullopt when there is none.
std::optional<std::string> FirstForbiddenCharacter(std::string_view text, std::string_view forbidden);

}  // namespace quorl
