#include "model/PlaceNameIndex.h"

#include <algorithm>
#include <string_view>

#include "base/Text.h"

namespace quorl {

std::vector<uint32_t> PlaceNameIndex::Candidates(const std::vector<CountryClass>& list,
                                                 const std::vector<std::string_view>& lowerLines) {
    const bool same = names_.size() == list.size() &&
                      std::equal(list.begin(), list.end(), names_.begin(),
                                 [](const CountryClass& c, const std::string& name) { return c.Name == name; });
    if (!same) {
        names_.clear();
        short_.clear();
        std::vector<std::string> lower;
        for (uint32_t i = 0; i < list.size(); ++i) {
            names_.push_back(list[i].Name);
            lower.push_back(LowerCase(list[i].Name));
            if (list[i].Name.size() == 1) short_.push_back(i);
        }
        finder_.Build(std::vector<std::string_view>(lower.begin(), lower.end()));
    }
    std::vector<uint32_t> found = short_;
    for (const std::string_view line : lowerLines) {
        auto boundary = [&](size_t p) { return p == 0 || !IsAsciiLetter(static_cast<unsigned char>(line[p - 1])); };
        finder_.Find(line, boundary, [&](uint32_t i) { found.push_back(i); });
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace quorl
