#pragma once
// Lines holding NUL bytes: what a power cut leaves in a file (blocks of zero bytes). Such a line
// cannot be read, but the lines around it can.
#include <string>
#include <vector>

namespace quorl {

struct NulLine {
    size_t number = 0;  // 1-based, counted as ForEachLine counts lines
    std::string text;   // the line without its NUL bytes
    std::string raw;    // the line as it stood, NUL bytes and all (no line end)
};

// Removes every line that holds a NUL byte, together with its line end, from text and returns
// them in order. A text without NUL bytes is left as it is.
std::vector<NulLine> RemoveNulLines(std::string& text);

}  // namespace quorl
