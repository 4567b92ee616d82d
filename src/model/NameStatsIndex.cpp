#include "model/NameStatsIndex.h"

#include <algorithm>

#include "model/Session.h"

namespace quorl {

namespace {
uint16_t Pair(char a, char b) {
    return static_cast<uint16_t>((static_cast<unsigned char>(a) << 8) | static_cast<unsigned char>(b));
}
}  // namespace

void NameStatsIndex::Candidates(const Session& s, std::string_view text, std::vector<int32_t>& out) {
    const std::vector<std::string>& names = s.NameStats;
    if (!built_ || version_ != s.StatsVersion) {
        byFirstPair_.clear();
        isFirstPair_.reset();
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i].size() < 2) continue;
            const uint16_t pair = Pair(names[i][0], names[i][1]);
            byFirstPair_[pair].push_back(static_cast<int32_t>(i));
            isFirstPair_.set(pair);
        }
        version_ = s.StatsVersion;
        built_ = true;
    }
    out.clear();
    if (text.size() < 2) return;
    std::vector<uint16_t> pairs;  // those of the text that begin names
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (const uint16_t p = Pair(text[i], text[i + 1]); isFirstPair_.test(p)) pairs.push_back(p);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    // A writer that forgot to bump StatsVersion must not lead outside the table.
    for (uint16_t p : pairs) {
        auto it = byFirstPair_.find(p);
        if (it == byFirstPair_.end()) continue;
        for (int32_t k : it->second)
            if (static_cast<size_t>(k) < names.size()) out.push_back(k);
    }
    std::sort(out.begin(), out.end());
}

}  // namespace quorl
