#include "base/ParseText.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "base/Encoding.h"
#include "base/Letters.h"
#include "base/Text.h"

namespace quorl {

size_t PosNoCase(std::string_view needle, std::string_view text) {
    if (needle.empty()) return 0;
    const size_t p = FindNoCase(text, needle);
    return p == std::string_view::npos ? 0 : p + 1;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string Copy(std::string_view text, long p, long count) {
    if (p < 1) p = 1;
    if (count <= 0 || static_cast<size_t>(p) > text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(p - 1), static_cast<size_t>(count)));
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool HoldsLetterOrDigit(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        i += NextCodePoint(text, i, cp);
        if (IsLetterCode(cp) || (cp >= U'0' && cp <= U'9')) return true;
    }
    return false;
}

std::string OneBytePerChar(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out += text[i++];
            continue;
        }
        char32_t cp;
        i += NextCodePoint(text, i, cp);
        const int b = Cp1252ByteOf(cp);
        out += b < 0 ? kOtherChar : static_cast<char>(b);
    }
    return out;
}

std::string CopyChars(std::string_view text, long p, long count) {
    if (p < 1) p = 1;
    if (count <= 0) return {};
    const size_t from = CharsForward(text, 0, static_cast<size_t>(p - 1));
    if (from >= text.size()) return {};
    return std::string(text.substr(from, CharsForward(text, from, static_cast<size_t>(count)) - from));
}

long CharPosOf(std::string_view text, long p) {
    if (p < 1) return p;
    return static_cast<long>(CharCount(text.substr(0, std::min(text.size(), static_cast<size_t>(p - 1))))) + 1;
}

int CurrentCalendarYear() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

}  // namespace quorl
