#include "editors/ForbiddenCharacters.h"

namespace quorl {

std::optional<std::string> FirstForbiddenCharacter(std::string_view text, std::string_view forbidden) {
    const size_t p = text.find_first_of(forbidden);
    if (p == std::string_view::npos) return std::nullopt;
    switch (text[p]) {
        case '\t': return "a TAB";
        case '\r':
        case '\n': return "a line break";
        default: return "\"" + std::string(1, text[p]) + "\"";
    }
}

}  // namespace quorl
