#include "parser/WordStatsIndex.h"

namespace quorl {

namespace {
constexpr size_t kSamples = 8;
size_t SamplePlace(size_t k, size_t n) { return n <= 1 ? 0 : k * (n - 1) / (kSamples - 1); }
}  // namespace

bool WordStatsIndex::Current(const std::vector<BayesClass>& table) const {
    if (!valid_ || data_ != table.data() || size_ != table.size()) return false;
    for (size_t k = 0; k < sample_.size(); ++k)
        if (table[SamplePlace(k, table.size())].Word != sample_[k]) return false;
    return true;
}

void WordStatsIndex::Rebuild(const std::vector<BayesClass>& table) {
    first_.clear();
    first_.reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i) first_.emplace(table[i].Word, static_cast<int32_t>(i));  // keeps the first
    data_ = table.data();
    size_ = table.size();
    sample_.clear();
    if (!table.empty())
        for (size_t k = 0; k < kSamples; ++k) sample_.push_back(table[SamplePlace(k, table.size())].Word);
    valid_ = true;
}

const BayesClass* WordStatsIndex::Find(const std::vector<BayesClass>& table, std::string_view word) {
    if (!Current(table)) Rebuild(table);
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
