#pragma once
// How much a text looks like a person's name (collector, other collectors, determiner): capitals
// followed by lower-case letters or full stops, initials, known names from NameStats; texts
// naming a municipality, herbarium, county and the like are no names.
#include <array>
#include <cstdint>
#include <string_view>

namespace quorl {

class Session;

// A text containing one of these words (ignoring case) is no person's name.
extern const std::array<std::string_view, 8> NameRejectWords;

int32_t NameScore(Session& s, std::string_view text);
// The same where the text's LatinScore is known.
int32_t NameScore(Session& s, std::string_view text, int32_t latinScore);

}  // namespace quorl
