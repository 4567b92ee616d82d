#include "base/Letters.h"

#include <unicode/uchar.h>

#include <vector>

#include "base/Encoding.h"

namespace quorl {

namespace {

char32_t Lower(char32_t cp) {
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + ('a' - 'A') : cp;
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(cp)));
}

// The lower-cased text and, for every byte of it that starts a character, the byte of the
// original text where that character starts (plus the end), so that a match found in the
// lower-cased text maps back even where a character changes its length.
struct Lowered {
    std::string text;
    std::vector<size_t> origin;
};

Lowered Lower(std::string_view in) {
    Lowered l;
    l.text.reserve(in.size());
    l.origin.reserve(in.size() + 1);
    for (size_t i = 0; i < in.size();) {
        char32_t cp;
        size_t n = NextCodePoint(in, i, cp);
        AppendUtf8(l.text, Lower(cp));
        l.origin.resize(l.text.size(), i);
        i += n;
    }
    l.origin.push_back(in.size());
    return l;
}

}  // namespace

bool IsLetterCode(char32_t cp) {
    const int b = Cp1252ByteOf(cp);
    if (b < 0) return u_isalpha(static_cast<UChar32>(cp));
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
    if (b >= 0xC0) return b != 0xD7 && b != 0xF7;
    return b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F;
}

std::string LowerCaseText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {  // the bulk of every text
            out += (b >= 'A' && b <= 'Z') ? static_cast<char>(b + ('a' - 'A')) : static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp;
        i += NextCodePoint(text, i, cp);
        AppendUtf8(out, Lower(cp));
    }
    return out;
}

bool ContainsAnyCase(std::string_view text, std::string_view needle) {
    return Lower(text).text.find(Lower(needle).text) != std::string::npos;
}

std::string ReplaceAllAnyCase(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    const Lowered hay = Lower(text);
    const std::string needle = Lower(from).text;
    std::string out;
    size_t copied = 0;  // bytes of text already handled
    size_t p = 0;
    while ((p = hay.text.find(needle, p)) != std::string::npos) {
        const size_t start = hay.origin[p], end = hay.origin[p + needle.size()];
        out.append(text.substr(copied, start - copied));
        out.append(to);
        copied = end;
        p += needle.size();
    }
    out.append(text.substr(copied));
    return out;
}

}  // namespace quorl
