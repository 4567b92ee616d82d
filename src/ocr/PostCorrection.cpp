#include "ocr/PostCorrection.h"

#include <algorithm>
#include <cstdint>

#include "base/Text.h"

namespace quorl {

namespace {

bool DigitAt(const std::string& t, size_t i) { return i < t.size() && IsDigit(static_cast<unsigned char>(t[i])); }

void SlashToL(std::string& t) {
    for (size_t q = t.find('/'); q != std::string::npos; q = t.find('/', q + 1)) {
        if (q == 0 || q + 1 >= t.size() || DigitAt(t, q - 1) || DigitAt(t, q + 1)) return;
        t[q] = 'l';
    }
}

void JoinDecimalPoint(std::string& t) {
    const size_t p = t.find("1 .");
    if (p == std::string::npos || p == 0) return;  // nothing before the text's start is read
    if (DigitAt(t, p - 1) && DigitAt(t, p + 3)) t = ReplaceAll(t, "1 .", "1.");
}

// Letters of the scripts labels are written in: Latin (with its accented and extended letters),
// Greek and Cyrillic.
bool IsLetterCodePoint(uint32_t cp) {
    if (cp >= 0xC0 && cp <= 0x24F) return cp != 0xD7 && cp != 0xF7;
    if (cp == 0xAA || cp == 0xB5 || cp == 0xBA) return true;
    if (cp >= 0x370 && cp <= 0x3FF) return cp != 0x37E && cp != 0x387;
    if (cp >= 0x400 && cp <= 0x52F) return !(cp >= 0x482 && cp <= 0x489);
    return cp >= 0x1E00 && cp <= 0x1EFF;
}

// Length of the UTF-8 sequence at t[i] and its code point; a byte that starts no valid sequence
// counts as one character that is no letter.
size_t DecodeAt(const std::string& t, size_t i, uint32_t& cp) {
    const auto b = static_cast<unsigned char>(t[i]);
    size_t len = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (b >= 0xF5) len = 0;
    if (len == 0 || i + len > t.size()) {
        cp = 0xFFFD;
        return 1;
    }
    cp = len == 2 ? b & 0x1F : len == 3 ? b & 0x0F : b & 0x07;
    for (size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(t[i + k]);
        if ((c & 0xC0) != 0x80) {
            cp = 0xFFFD;
            return 1;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    return len;
}

std::string BlankNonLetters(const std::string& t) {
    std::string out;
    out.reserve(t.size());
    for (size_t i = 0; i < t.size();) {
        if (static_cast<unsigned char>(t[i]) < 0x80) {
            out += t[i++];
            continue;
        }
        uint32_t cp = 0;
        const size_t len = DecodeAt(t, i, cp);
        if (IsLetterCodePoint(cp))
            out.append(t, i, len);
        else
            out += ' ';
        i += len;
    }
    return out;
}

void LettersBetweenDigits(std::string& t) {
    for (size_t i = 0; i + 2 < t.size(); ++i) {
        if (!DigitAt(t, i) || !DigitAt(t, i + 2)) continue;
        char& mid = t[i + 1];
        if (mid == 'l') mid = '1';
        else if (mid == 'o' || mid == 'O') mid = '0';
    }
}

}  // namespace

std::string PostCorrectOcrText(std::string text) {
    SlashToL(text);
    JoinDecimalPoint(text);
    text = ReplaceAll(text, " tt.", " ft.");
    text = ReplaceAll(text, "lVl", "M");
    // The left quotation mark is how the engine reads a degree sign; both end as one blank.
    text = ReplaceAll(text, "\xE2\x80\x9C", "\xC2\xB0");
    // Typographic quotes and primes, as the engine reads minute and second marks, become the
    // ASCII marks that coordinates are written with.
    for (const char* single : {"\xE2\x80\x98", "\xE2\x80\x99", "\xE2\x80\xB2"}) text = ReplaceAll(text, single, "'");
    for (const char* twin : {"\xE2\x80\x9D", "\xE2\x80\xB3"}) text = ReplaceAll(text, twin, "\"");
    text = BlankNonLetters(text);
    LettersBetweenDigits(text);
    return text;
}

std::string CorrectBarcodeText(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == 'O' || c == 'o'; }, '0');
    return text;
}

}  // namespace quorl
