#pragma once
// Paste-time splitting of a label text into better lines: a new line before a field's start word,
// a coordinate run on a line of its own, and long lines cut at a comma or semicolon where the two
// halves read as different fields among Description, Location and Habitat.
#include <string>

namespace quorl {

class Session;

// Returns the re-cut text, every line ending in CR LF. LabelChunks is refilled with the new lines.
std::string AutoSplitText(Session& s, const std::string& text);

}  // namespace quorl
