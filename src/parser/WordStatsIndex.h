#pragma once
// Finds the first WordStats record of a word without a linear search. The index notices a table
// that was replaced, grown or shrunk, or reloaded with other words (a sample of the words is
// compared); code that renames single words in place calls Invalidate.
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
    bool Current(const std::vector<BayesClass>& table) const;

    const BayesClass* data_ = nullptr;
    size_t size_ = 0;
    std::vector<std::string> sample_;  // words at evenly spaced places when built
    bool valid_ = false;
};

}  // namespace quorl
