#pragma once
// Finds the first WordStats record of a word without a linear search. The index is rebuilt when
// the Session's StatsVersion moved since it was built: every change to WordStats bumps it.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/Records.h"

namespace quorl {

class Session;

class WordStatsIndex {
public:
    // The first record of s.WordStats whose Word equals word exactly, or nullptr.
    const BayesClass* Find(const Session& s, std::string_view word);

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int32_t, Hash, std::equal_to<>> first_;
    uint64_t version_ = 0;
    bool built_ = false;
};

}  // namespace quorl
