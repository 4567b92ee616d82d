#pragma once
// Finds the first WordStats record of a word without a linear search. The index notices a table
// that was replaced, grown or shrunk; code that renames words in place calls Invalidate.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/Records.h"

namespace quorl {

class WordStatsIndex {
public:
    // The first record whose Word equals word exactly, or nullptr.
    const BayesClass* Find(const std::vector<BayesClass>& table, std::string_view word);
    void Invalidate() { valid_ = false; }

private:
    void Rebuild(const std::vector<BayesClass>& table);

    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int32_t, Hash, std::equal_to<>> first_;
    const BayesClass* data_ = nullptr;
    size_t size_ = 0;
    bool valid_ = false;
};

}  // namespace quorl
