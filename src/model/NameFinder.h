#pragma once
// Finds which names of a list a text holds without testing every name: the names are kept in a
// hash table, and at each position of the text where a name may start (its first two bytes begin
// some name) the substrings of the lengths such names have are looked up in it.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorl {

class NameFinder {
public:
    // Names of fewer than two bytes are never found.
    void Build(const std::vector<std::string_view>& names);
    // Calls found(index) for every occurrence in text of a name with index in the list given to
    // Build, when the occurrence starts at a position p for which startOk(p) holds. An index may
    // be reported more than once.
    template <typename StartOk, typename Found>
    void Find(std::string_view text, StartOk startOk, Found found) const {
        for (size_t p = 0; p + 1 < text.size(); ++p) {
            const uint32_t lengths = lengthsByPair_.empty() ? 0 : lengthsByPair_[PairOf(text[p], text[p + 1])];
            if (lengths == 0 || !startOk(p)) continue;
            const size_t room = text.size() - p;
            for (size_t length = 2; length < kLongName && length <= room; ++length)
                if (lengths & (1u << length)) LookUp(text.substr(p, length), found);
            if (lengths & (1u << kLongName))
                for (size_t length : longLengths_)
                    if (length <= room) LookUp(text.substr(p, length), found);
        }
    }

private:
    static constexpr size_t kLongName = 31;
    static size_t PairOf(char a, char b) {
        return static_cast<unsigned char>(a) * 256u + static_cast<unsigned char>(b);
    }
    template <typename Found>
    void LookUp(std::string_view candidate, Found& found) const {
        auto it = indices_.find(candidate);
        if (it != indices_.end())
            for (uint32_t index : it->second) found(index);
    }

    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, std::vector<uint32_t>, Hash, std::equal_to<>> indices_;
    // For each pair of first bytes, bit n set when a name of n bytes starts with it; bit 31 for
    // names of 31 bytes or more.
    std::vector<uint32_t> lengthsByPair_;
    std::vector<size_t> longLengths_;  // the distinct lengths of 31 or more, ascending
};

}  // namespace quorl
