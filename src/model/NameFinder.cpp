#include "model/NameFinder.h"

#include <algorithm>

namespace quorl {

void NameFinder::Build(const std::vector<std::string_view>& names) {
    indices_.clear();
    lengthsByPair_.assign(65536, 0);
    longLengths_.clear();
    for (uint32_t i = 0; i < names.size(); ++i) {
        const std::string_view name = names[i];
        if (name.size() < 2) continue;
        indices_[std::string(name)].push_back(i);
        const size_t length = std::min(name.size(), kLongName);
        lengthsByPair_[PairOf(name[0], name[1])] |= 1u << length;
        if (length == kLongName) longLengths_.push_back(name.size());
    }
    std::sort(longLengths_.begin(), longLengths_.end());
    longLengths_.erase(std::unique(longLengths_.begin(), longLengths_.end()), longLengths_.end());
}

}  // namespace quorl
