#include "base/Excerpt.h"

namespace quorl {

std::string Excerpt(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    size_t cut = maxBytes;
    // A UTF-8 character has at most three continuation bytes; never step back further than that.
    for (int back = 0; back < 3 && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80; ++back) --cut;
    return std::string(text.substr(0, cut)) + "...";
}

}  // namespace quorl
