#pragma once
// The lower-case names of a place list, for finding which of them the label's lines may name
// without searching every name in every line. Rebuilt when the list's names differ from those it
// was built for.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/NameFinder.h"
#include "model/Records.h"

namespace quorl {

class PlaceNameIndex {
public:
    // Indices of the entries of list, ascending, whose lower-cased name occurs in one of the
    // lower-cased lines at the start of the line or after a byte that is no ASCII letter, and of
    // the entries whose name has one byte. Every entry the name search can find is among them.
    std::vector<uint32_t> Candidates(const std::vector<CountryClass>& list, const std::vector<std::string_view>& lowerLines);

private:
    NameFinder finder_;
    std::vector<std::string> names_;  // the names of the list it was built for
    std::vector<uint32_t> short_;     // entries whose name has one byte
};

}  // namespace quorl
