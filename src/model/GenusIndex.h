#pragma once
// Finds the genera of the plant list whose names a text holds, without testing every genus.
// Rebuilt when the plant list's shape (its families and their genus tables) differs from the one
// it was built for.
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "model/NameFinder.h"
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
    static std::vector<const void*> Shape(const std::vector<FamilyClass>& plants);

    NameFinder names_;
    std::vector<Place> places_;  // of each name given to the finder
    std::vector<const void*> shape_;
    bool built_ = false;
};

}  // namespace quorl
