#include "model/GenusIndex.h"

#include <algorithm>

namespace quorl {

std::vector<const void*> GenusIndex::Shape(const std::vector<FamilyClass>& plants) const {
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

namespace {

constexpr size_t kLongName = 31;

size_t PairOf(char a, char b) { return static_cast<unsigned char>(a) * 256u + static_cast<unsigned char>(b); }

}  // namespace

void GenusIndex::Build(const std::vector<FamilyClass>& plants) {
    places_.clear();
    lengthsByPair_.assign(65536, 0);
    longLengths_.clear();
    for (uint32_t f = 0; f < plants.size(); ++f) {
        const std::vector<FamilyClass>& genera = plants[f].Children;
        for (uint32_t g = 0; g < genera.size(); ++g) {
            const std::string& name = genera[g].Name;
            if (name.size() < 2) continue;
            places_[name].emplace_back(f, g);
            const size_t length = std::min(name.size(), kLongName);
            lengthsByPair_[PairOf(name[0], name[1])] |= 1u << length;
            if (length == kLongName) longLengths_.push_back(name.size());
        }
    }
    std::sort(longLengths_.begin(), longLengths_.end());
    longLengths_.erase(std::unique(longLengths_.begin(), longLengths_.end()), longLengths_.end());
    shape_ = Shape(plants);
    built_ = true;
}

std::vector<GenusIndex::Place> GenusIndex::GeneraIn(const std::vector<FamilyClass>& plants, std::string_view text) {
    if (!built_ || Shape(plants) != shape_) Build(plants);
    std::vector<Place> found;
    auto lookUp = [&](std::string_view candidate) {
        auto it = places_.find(candidate);
        if (it != places_.end()) found.insert(found.end(), it->second.begin(), it->second.end());
    };
    for (size_t p = 0; p + 1 < text.size(); ++p) {
        const uint32_t lengths = lengthsByPair_[PairOf(text[p], text[p + 1])];
        if (lengths == 0) continue;
        const size_t room = text.size() - p;
        for (size_t length = 2; length < kLongName && length <= room; ++length)
            if (lengths & (1u << length)) lookUp(text.substr(p, length));
        if (lengths & (1u << kLongName))
            for (size_t length : longLengths_)
                if (length <= room) lookUp(text.substr(p, length));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace quorl
