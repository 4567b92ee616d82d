#pragma once
// Finds the genera of the plant list whose names a text holds, without testing every genus: the
// names are kept in a hash table, and at each position of the text where a name may start (its
// first two characters begin some name) the substrings of the lengths such names have are looked
// up in it. Rebuilt when the plant list's shape (its families and their genus tables) differs
// from the one it was built for.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/Records.h"

namespace quorl {

class GenusIndex {
public:
    // Position of a genus in the plant list: family index, genus index.
    using Place = std::pair<uint32_t, uint32_t>;

    // Every genus of plants whose name has at least two characters and occurs in text (with its
    // letter case, anywhere, also inside a longer word), in plant-list order.
    std::vector<Place> GeneraIn(const std::vector<FamilyClass>& plants, std::string_view text);

private:
    void Build(const std::vector<FamilyClass>& plants);
    std::vector<const void*> Shape(const std::vector<FamilyClass>& plants) const;

    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, std::vector<Place>, Hash, std::equal_to<>> places_;
    // For each pair of first characters, bit n set when a name of n characters starts with it;
    // bit 31 for names of 31 characters or more.
    std::vector<uint32_t> lengthsByPair_;
    std::vector<size_t> longLengths_;  // the distinct lengths of 31 or more, ascending
    std::vector<const void*> shape_;
    bool built_ = false;
};

}  // namespace quorl
