#include "parser/Numerals.h"

#include "base/Text.h"

namespace quorl {

std::string ReplaceCharNearDigit(std::string text, char from, char to) {
    if (from == to || text.find(from) == std::string::npos) return text;
    const size_t n = text.size();
    bool changed = true;
    while (changed) {
        changed = false;
        for (size_t i = 0; i < n; ++i) {
            if (text[i] != from) continue;
            bool before = i > 0 && IsDigit(static_cast<unsigned char>(text[i - 1]));
            bool after = i + 1 < n && IsDigit(static_cast<unsigned char>(text[i + 1]));
            if (before || after) {
                text[i] = to;
                changed = true;
            }
        }
    }
    return text;
}

namespace {
void ReplaceAllIn(std::string& text, std::string_view from, std::string_view to) {
    if (text.find(from) != std::string::npos) text = ReplaceAll(text, from, to);
}
}  // namespace

std::string FixNumerals(std::string text) {
    ReplaceAllIn(text, "OO", "00");
    text = ReplaceCharNearDigit(std::move(text), 'O', '0');
    text = ReplaceCharNearDigit(std::move(text), 'l', '1');
    text = ReplaceCharNearDigit(std::move(text), 'I', '1');
    text = ReplaceCharNearDigit(std::move(text), '!', '1');
    // Once more: the I and ! just read as 1 may now stand beside an l.
    text = ReplaceCharNearDigit(std::move(text), 'l', '1');
    ReplaceAllIn(text, "|", "1");
    ReplaceAllIn(text, "lll", "111");
    return text;
}

}  // namespace quorl
