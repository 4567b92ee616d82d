#include "model/WordStatsIndex.h"

#include "model/Session.h"

namespace quorl {

const BayesClass* WordStatsIndex::Find(const Session& s, std::string_view word) {
    const std::vector<BayesClass>& table = s.WordStats;
    if (!built_ || version_ != s.StatsVersion) {
        first_.clear();
        first_.reserve(table.size());
        for (size_t i = 0; i < table.size(); ++i) first_.emplace(table[i].Word, static_cast<int32_t>(i));  // keeps the first
        version_ = s.StatsVersion;
        built_ = true;
    }
    auto it = first_.find(word);
    if (it == first_.end()) return nullptr;
    // A writer that forgot to bump StatsVersion must not lead outside the table.
    auto i = static_cast<size_t>(it->second);
    return i < table.size() && table[i].Word == word ? &table[i] : nullptr;
}

}  // namespace quorl
