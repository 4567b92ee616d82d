#include "parser/NameStatsIndex.h"

#include <algorithm>

namespace quorl {

namespace {
constexpr size_t kSamples = 8;
size_t SamplePlace(size_t k, size_t n) { return n <= 1 ? 0 : k * (n - 1) / (kSamples - 1); }

uint16_t Pair(char a, char b) {
    return static_cast<uint16_t>((static_cast<unsigned char>(a) << 8) | static_cast<unsigned char>(b));
}
}  // namespace

bool NameStatsIndex::Current(const std::vector<std::string>& names) const {
    if (!valid_ || data_ != names.data() || size_ != names.size()) return false;
    for (size_t k = 0; k < sample_.size(); ++k)
        if (names[SamplePlace(k, names.size())] != sample_[k]) return false;
    return true;
}

void NameStatsIndex::Rebuild(const std::vector<std::string>& names) {
    byFirstPair_.clear();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i].size() >= 2) byFirstPair_[Pair(names[i][0], names[i][1])].push_back(static_cast<int32_t>(i));
    data_ = names.data();
    size_ = names.size();
    sample_.clear();
    if (!names.empty())
        for (size_t k = 0; k < kSamples; ++k) sample_.push_back(names[SamplePlace(k, names.size())]);
    valid_ = true;
}

void NameStatsIndex::Candidates(const std::vector<std::string>& names, std::string_view text, std::vector<int32_t>& out) {
    if (!Current(names)) Rebuild(names);
    out.clear();
    if (text.size() < 2) return;
    std::vector<uint16_t> pairs;
    pairs.reserve(text.size());
    for (size_t i = 0; i + 1 < text.size(); ++i) pairs.push_back(Pair(text[i], text[i + 1]));
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    for (uint16_t p : pairs) {
        auto it = byFirstPair_.find(p);
        if (it != byFirstPair_.end()) out.insert(out.end(), it->second.begin(), it->second.end());
    }
    std::sort(out.begin(), out.end());
}

}  // namespace quorl
