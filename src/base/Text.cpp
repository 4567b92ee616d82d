#include "base/Text.h"

#include <algorithm>
#include <charconv>

#include "base/Excerpt.h"

namespace quorl {

namespace {
bool IsTrimmed(unsigned char c) { return c <= ' '; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
}  // namespace

std::string_view TrimmedView(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsTrimmed(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && IsTrimmed(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string Trim(std::string_view s) { return std::string(TrimmedView(s)); }

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = LowerAscii(c);
    return r;
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = Upper(c);
    return r;
}

size_t Pos(std::string_view needle, std::string_view text) {
    if (needle.empty()) return 0;
    size_t p = text.find(needle);
    return p == std::string_view::npos ? 0 : p + 1;
}

bool Contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool ContainsNoCase(std::string_view text, std::string_view needle) {
    return FindNoCase(text, needle) != std::string_view::npos;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

size_t FindNoCase(std::string_view text, std::string_view needle, size_t from) {
    if (from > text.size() || needle.size() > text.size() - from) return std::string_view::npos;
    if (needle.empty()) return from;
    const char first = LowerAscii(needle[0]);
    const std::string_view rest = needle.substr(1);
    const size_t last = text.size() - needle.size();
    if (first < 'a' || first > 'z') {  // no letter: its byte only
        for (size_t i = text.find(first, from); i != std::string_view::npos && i <= last; i = text.find(first, i + 1))
            if (EqualsNoCase(text.substr(i + 1, rest.size()), rest)) return i;
        return std::string_view::npos;
    }
    // A lower-case letter and its capital differ in the bit 0x20 only; no other byte sets to it.
    for (size_t i = from; i <= last; ++i)
        if ((text[i] | 0x20) == first && EqualsNoCase(text.substr(i + 1, rest.size()), rest)) return i;
    return std::string_view::npos;
}

std::string NextToken(std::string& text, std::string_view delimiter, bool trim) {
    if (trim) text = Trim(text);
    size_t p = delimiter.empty() ? std::string::npos : text.find(delimiter);
    if (p == std::string::npos) {
        std::string all = std::move(text);
        text.clear();
        return all;
    }
    std::string token = text.substr(0, p);
    text.erase(0, p + delimiter.size());
    return trim ? Trim(token) : token;
}

std::optional<int> TryStrToInt(std::string_view s) {
    const std::string_view t = TrimmedView(s);
    if (t.empty()) return std::nullopt;
    size_t i = 0;
    if (t[0] == '+' || t[0] == '-') i = 1;
    if (i == t.size()) return std::nullopt;
    for (size_t k = i; k < t.size(); ++k)
        if (!IsDigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
    // The digits as a magnitude; one beyond the range of long long is out of range anyway.
    unsigned long long magnitude = 0;
    auto r = std::from_chars(t.data() + i, t.data() + t.size(), magnitude);
    if (r.ec != std::errc() || magnitude > 2147483648ULL) return std::nullopt;
    const long long v = t[0] == '-' ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (v > 2147483647LL) return std::nullopt;
    return static_cast<int>(v);
}

int StrToInt(std::string_view s) {
    auto v = TryStrToInt(s);
    if (!v) throw ConversionError("'" + Excerpt(s) + "' is not a valid integer value");
    return *v;
}

std::optional<double> TryStrToFloat(std::string_view s) {
    std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    for (char& c : t)
        if (c == ',') c = '.';
    // Only plain decimal notation with an optional exponent is a number here.
    for (char c : t)
        if (!(IsDigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    // from_chars ignores the C locale, which the GUI library sets from the environment: strtod
    // would stop at the "." under a locale whose decimal separator is a comma.
    const char* b = t.data();
    const char* e = b + t.size();
    if (*b == '+') ++b;
    if (b == e || (b != t.data() && *b == '-')) return std::nullopt;
    double v = 0;
    auto r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e) return std::nullopt;
    return v;
}

double StrToFloat(std::string_view s) {
    auto v = TryStrToFloat(s);
    if (!v) throw ConversionError("'" + Excerpt(s) + "' is not a valid floating point value");
    return *v;
}

std::string IntToStr(long long v) { return std::to_string(v); }

namespace {
// text with every match of from replaced by to, left to right without overlap; find(i) is the
// byte index of the next match at or after i, npos when none.
template <typename Find>
std::string ReplaceMatches(std::string_view text, std::string_view from, std::string_view to, Find find) {
    if (from.empty()) return std::string(text);
    std::string out;
    size_t i = 0;
    while (true) {
        size_t p = find(i);
        if (p == std::string_view::npos) break;
        out.append(text.substr(i, p - i));
        out.append(to);
        i = p + from.size();
    }
    out.append(text.substr(i));
    return out;
}
}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    return ReplaceMatches(text, from, to, [&](size_t i) { return text.find(from, i); });
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
    return ReplaceMatches(text, from, to, [&](size_t i) { return FindNoCase(text, from, i); });
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t i = 0, start = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string CrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (char c : s)
        if (!IsContinuationByte(c)) ++n;
    return n;
}

bool MoreCharsThan(std::string_view s, size_t n) {
    size_t count = 0;
    for (char c : s)
        if (!IsContinuationByte(c) && ++count > n) return true;
    return false;
}

size_t CharsForward(std::string_view s, size_t i, size_t n) {
    while (i < s.size() && n > 0) {
        ++i;
        while (i < s.size() && IsContinuationByte(s[i])) ++i;
        --n;
    }
    return std::min(i, s.size());
}

size_t CharsBack(std::string_view s, size_t i, size_t n) {
    i = std::min(i, s.size());
    while (i > 0 && n > 0) {
        --i;
        while (i > 0 && IsContinuationByte(s[i])) --i;
        --n;
    }
    return i;
}

}  // namespace quorl
