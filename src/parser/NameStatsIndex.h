#pragma once
// Narrows the known person names (NameStats) that may occur in a text to those whose first two
// characters occur in it, keeping their order, so a name score does not test every name. The
// index notices a table that was replaced, grown or shrunk, or reloaded with other names (a
// sample of the names is compared); code that renames single names in place calls Invalidate.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorl {

class NameStatsIndex {
public:
    // Indices of the names of at least 2 characters that may occur in text, ascending.
    void Candidates(const std::vector<std::string>& names, std::string_view text, std::vector<int32_t>& out);
    void Invalidate() { valid_ = false; }

private:
    void Rebuild(const std::vector<std::string>& names);

    std::unordered_map<uint16_t, std::vector<int32_t>> byFirstPair_;
    bool Current(const std::vector<std::string>& names) const;

    const std::string* data_ = nullptr;
    size_t size_ = 0;
    std::vector<std::string> sample_;  // names at evenly spaced places when built
    bool valid_ = false;
};

}  // namespace quorl
