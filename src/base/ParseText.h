#pragma once
// Small text helpers of the label parser over Windows-1252 bytes: case-insensitive search (only
// A-Z/a-z fold), 1-based character access and copies, digit tests of tokens, and the calendar
// year that bounds plausible dates.
#include <string>
#include <string_view>

#include "base/Text.h"

namespace quorl {

// 1-based position of needle in text ignoring the case of A-Z, 0 when absent.
size_t PosNoCase(std::string_view needle, std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
inline bool BeginsWithDigit(std::string_view t) { return !t.empty() && IsDigitChar(t[0]); }
// Whole-number value of a text, 0 when it is none.
inline int IntOrZero(std::string_view t) { return TryStrToInt(t).value_or(0); }
// Character at 1-based position p, or '\0' outside the text.
inline char CharAt(std::string_view text, long p) {
    return (p >= 1 && static_cast<size_t>(p) <= text.size()) ? text[static_cast<size_t>(p - 1)] : '\0';
}
// Copy of count characters from 1-based position p, clamped to the text.
std::string Copy(std::string_view text, long p, long count);
// The current calendar year of the local clock.
int CurrentCalendarYear();

}  // namespace quorl
