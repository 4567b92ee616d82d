#pragma once
// Texts read from files or labels, cut to a length that a message box or a log line can show:
// a file may hold megabytes where a message expects a name.
#include <string>
#include <string_view>

namespace quorl {

// Longest excerpt of a name or a value shown in a message.
constexpr size_t kMessageExcerptBytes = 80;
// Longest excerpt of a file's line written to the log.
constexpr size_t kLogExcerptBytes = 200;

// text when it has at most maxBytes bytes; otherwise its first maxBytes bytes (fewer when the cut
// would split a UTF-8 character) followed by "...".
std::string Excerpt(std::string_view text, size_t maxBytes = kMessageExcerptBytes);

}  // namespace quorl
