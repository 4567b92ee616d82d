#include "model/GenusIndex.h"

#include <algorithm>

#include "base/Text.h"

namespace quorl {

std::vector<const void*> GenusIndex::Shape(const std::vector<FamilyClass>& plants) {
    std::vector<const void*> shape;
    shape.reserve(2 * plants.size() + 2);
    shape.push_back(plants.data());
    shape.push_back(reinterpret_cast<const void*>(plants.size()));
    for (const FamilyClass& family : plants) {
        shape.push_back(family.Children.data());
        shape.push_back(reinterpret_cast<const void*>(family.Children.size()));
    }
    return shape;
}

std::vector<GenusIndex::Place> GenusIndex::GeneraIn(const std::vector<FamilyClass>& plants, std::string_view text) {
    if (!built_ || Shape(plants) != shape_) {
        std::vector<std::string_view> names;
        places_.clear();
        for (uint32_t f = 0; f < plants.size(); ++f)
            for (uint32_t g = 0; g < plants[f].Children.size(); ++g) {
                const std::string& name = plants[f].Children[g].Name;
                names.push_back(CharCount(name) >= 2 ? std::string_view(name) : std::string_view());
                places_.emplace_back(f, g);
            }
        names_.Build(names);
        shape_ = Shape(plants);
        built_ = true;
    }
    std::vector<Place> found;
    names_.Find(text, [](size_t) { return true; }, [&](uint32_t i) { found.push_back(places_[i]); });
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace quorl
