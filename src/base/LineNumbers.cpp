#include "base/LineNumbers.h"

#include <algorithm>

namespace quorl {

size_t LineNumbers::At(size_t offset) {
    offset = std::min(offset, text_.size());
    if (offset < counted_) counted_ = 0, line_ = 1;
    for (; counted_ < offset; ++counted_) {
        const char c = text_[counted_];
        // A CR ends its line unless an LF follows, which then ends it.
        if (c == '\n' || (c == '\r' && (counted_ + 1 == text_.size() || text_[counted_ + 1] != '\n'))) ++line_;
    }
    return line_;
}

}  // namespace quorl
