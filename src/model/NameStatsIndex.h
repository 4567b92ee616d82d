#pragma once
// Narrows the known person names (NameStats) that may occur in a text to those whose first two
// characters occur in it, keeping their order, so a name score does not test every name. The
// index is rebuilt when the Session's StatsVersion moved since it was built: every change to
// NameStats bumps it.
#include <bitset>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorl {

class Session;

class NameStatsIndex {
public:
    // Indices into s.NameStats of the names of at least 2 characters that may occur in text,
    // ascending.
    void Candidates(const Session& s, std::string_view text, std::vector<int32_t>& out);

private:
    std::unordered_map<uint16_t, std::vector<int32_t>> byFirstPair_;
    std::bitset<65536> isFirstPair_;  // the keys of byFirstPair_, tested before the look-up
    uint64_t version_ = 0;
    bool built_ = false;
};

}  // namespace quorl
