#pragma once
// The 1-based line number of a position in a text (CR LF, LF or a lone CR end a line), for
// loaders that cut their text with a trimming cursor and so cannot count lines themselves.
#include <cstddef>
#include <string_view>

namespace quorl {

class LineNumbers {
public:
    explicit LineNumbers(std::string_view text) : text_(text) {}

    // The line that holds the byte at offset (the text's end belongs to the last line). Offsets
    // asked in increasing order cost one pass over the text in all; an earlier offset starts over.
    size_t At(size_t offset);
    // The same for a position inside the text, given as a pointer into it.
    size_t At(const char* p) { return At(static_cast<size_t>(p - text_.data())); }

private:
    std::string_view text_;
    size_t counted_ = 0;  // line ends before this offset are counted in line_
    size_t line_ = 1;
};

}  // namespace quorl
