#include "base/Encoding.h"

#include <array>
#include <cstdint>

namespace quorl {

namespace {

// Code points of bytes 0x80-0x9F; the five bytes the code page leaves undefined map to the C1
// control of the same value, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char b) { return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : b; }

int FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at i; returns its length, 0 when invalid.
size_t DecodeOne(std::string_view s, size_t i, char32_t& cp) {
    auto b = static_cast<unsigned char>(s[i]);
    size_t len;
    char32_t min;
    if (b < 0x80) { cp = b; return 1; }
    if ((b & 0xE0) == 0xC0) { len = 2; cp = b & 0x1F; min = 0x80; }
    else if ((b & 0xF0) == 0xE0) { len = 3; cp = b & 0x0F; min = 0x800; }
    else if ((b & 0xF8) == 0xF0) { len = 4; cp = b & 0x07; min = 0x10000; }
    else return 0;
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// UTF-16 code units (after the byte-order mark) to UTF-8; unpaired surrogates and an odd last
// byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    auto unit = [&](size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    if (i < bytes.size()) AppendUtf8(out, 0xFFFD);
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

size_t NextCodePoint(std::string_view s, size_t i, char32_t& cp) {
    size_t n = DecodeOne(s, i, cp);
    if (n == 0) {
        cp = 0xFFFD;
        return 1;
    }
    return n;
}

std::string Cp1252ToUtf8(std::string_view in) {
    std::string out;
    out.reserve(in.size() + in.size() / 8);
    for (char c : in) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size();) {
        char32_t cp;
        size_t n = DecodeOne(in, i, cp);
        if (n == 0) {  // a stray byte is kept as the code page's own character
            out += in[i];
            ++i;
            continue;
        }
        int b = FromCodePoint(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
        i += n;
    }
    return out;
}

int Cp1252ByteOf(char32_t cp) { return FromCodePoint(cp); }

bool FitsCp1252(std::string_view in) {
    for (size_t i = 0; i < in.size();) {
        char32_t cp;
        size_t n = DecodeOne(in, i, cp);
        if (n == 0 || FromCodePoint(cp) < 0) return false;
        i += n;
    }
    return true;
}

bool IsValidUtf8(std::string_view in) {
    for (size_t i = 0; i < in.size();) {
        auto b = static_cast<unsigned char>(in[i]);
        if (b < 0x80) {  // plain ASCII, the bulk of every file
            ++i;
            continue;
        }
        char32_t cp;
        size_t n = DecodeOne(in, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool IsUtf8Text(std::string_view bytes) {
    bool highBytes = false;
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        const size_t n = DecodeOne(bytes, i, cp);
        if (n > 0) return true;
        highBytes = true;
        ++i;
    }
    return !highBytes;
}

std::string Utf8WithStrayBytesToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 8);
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const size_t n = static_cast<unsigned char>(bytes[i]) < 0x80 ? 1 : DecodeOne(bytes, i, cp);
        if (n == 0) {
            AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        out.append(bytes.substr(i, n));
        i += n;
    }
    return out;
}

std::optional<std::string_view> BytesInStepWithLines(std::string_view bytes) {
    if (IsUtf16(bytes)) return std::nullopt;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return bytes;
}

std::string DecodeFileBytes(std::string_view bytes) {
    if (IsUtf16(bytes)) return Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
    bytes = *BytesInStepWithLines(bytes);
    if (!IsUtf8Text(bytes)) return Cp1252ToUtf8(bytes);
    return IsValidUtf8(bytes) ? std::string(bytes) : Utf8WithStrayBytesToUtf8(bytes);
}

bool IsUtf16(std::string_view bytes) { return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF"; }

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp;
        i += NextCodePoint(utf8, i, cp);
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

}  // namespace quorl
