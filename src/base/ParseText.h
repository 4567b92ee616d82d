#pragma once
// Small text helpers of the label parser: case-insensitive search (only A-Z/a-z fold), 1-based
// byte access and copies, digit tests of tokens, the one-byte-per-character view, and the
// calendar year that bounds plausible dates.
#include <string>
#include <string_view>

#include "base/Text.h"

namespace quorl {

// 1-based position of needle in text ignoring the case of A-Z, 0 when absent.
size_t PosNoCase(std::string_view needle, std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
inline bool BeginsWithDigit(std::string_view t) { return !t.empty() && IsDigitChar(t[0]); }
inline bool HoldsDigit(std::string_view t) { return t.find_first_of("0123456789") != std::string_view::npos; }
// Whole-number value of a text, 0 when it is none.
inline int IntOrZero(std::string_view t) { return TryStrToInt(t).value_or(0); }
// Character at 1-based position p, or '\0' outside the text.
inline char CharAt(std::string_view text, long p) {
    return (p >= 1 && static_cast<size_t>(p) <= text.size()) ? text[static_cast<size_t>(p - 1)] : '\0';
}
// Copy of count bytes from 1-based byte position p, clamped to the text.
std::string Copy(std::string_view text, long p, long count);
// The same counted in characters: 1-based character position and count.
std::string CopyChars(std::string_view text, long p, long count);
// 1-based character position of the character at 1-based byte position p.
long CharPosOf(std::string_view text, long p);
// The text with one byte per character, for the scanners that measure lengths and distances in
// characters but look only at ASCII characters and the degree sign: a character of the
// Windows-1252 code page becomes that byte (the degree sign 0xB0), any other becomes kOtherChar,
// which no rule takes for a letter, digit or sign.
constexpr char kOtherChar = '\x81';
std::string OneBytePerChar(std::string_view text);
bool IsAscii(std::string_view text);
// Whether the text holds a digit or a letter of any alphabet (signs such as the degree sign or a
// dash are none).
bool HoldsLetterOrDigit(std::string_view text);
// The current calendar year of the local clock.
int CurrentCalendarYear();

}  // namespace quorl
