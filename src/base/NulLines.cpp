#include "base/NulLines.h"

#include <algorithm>

#include "base/TokenCursor.h"

namespace quorl {

std::vector<NulLine> RemoveNulLines(std::string& text) {
    std::vector<NulLine> removed;
    if (text.find('\0') == std::string::npos) return removed;
    std::string kept;
    kept.reserve(text.size());
    const std::string_view all(text);
    ForEachLine(all, [&](size_t number, std::string_view line) {
        // The line end that follows this line, if any, goes with it.
        const size_t begin = static_cast<size_t>(line.data() - all.data());
        size_t end = begin + line.size();
        if (end < all.size()) end += all.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        if (line.find('\0') == std::string_view::npos) {
            kept.append(all.substr(begin, end - begin));
            return;
        }
        std::string readable(line);
        readable.erase(std::remove(readable.begin(), readable.end(), '\0'), readable.end());
        removed.push_back({number, std::move(readable), std::string(line)});
    });
    text = std::move(kept);
    return removed;
}

}  // namespace quorl
