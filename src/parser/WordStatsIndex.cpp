#include "parser/WordStatsIndex.h"

namespace quorl {

void WordStatsIndex::Rebuild(const std::vector<BayesClass>& table) {
    first_.clear();
    first_.reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i) first_.emplace(table[i].Word, static_cast<int32_t>(i));  // keeps the first
    data_ = table.data();
    size_ = table.size();
    valid_ = true;
}

const BayesClass* WordStatsIndex::Find(const std::vector<BayesClass>& table, std::string_view word) {
    if (!valid_ || data_ != table.data() || size_ != table.size()) Rebuild(table);
    auto it = first_.find(word);
    if (it != first_.end()) {
        const BayesClass& r = table[static_cast<size_t>(it->second)];
        if (r.Word == word) return &r;
    } else {
        return nullptr;
    }
    // The table changed in place since the index was built: rebuild and look again.
    Rebuild(table);
    it = first_.find(word);
    return it == first_.end() ? nullptr : &table[static_cast<size_t>(it->second)];
}

}  // namespace quorl
