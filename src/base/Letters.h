#pragma once
// Letters of any alphabet in UTF-8 texts: what is a letter, lower-casing, and case-blind search
// and replace, so that "ÉTÉ" and "été" are the same word. (LowerCase in Text.h folds A-Z only, as
// the label parser's rules do.)
#include <string>
#include <string_view>

namespace quorl {

// A letter: A-Z, a-z, the letters of the Windows-1252 code page (not ª º µ ƒ), and any
// character outside that code page that Unicode calls alphabetic.
bool IsLetterCode(char32_t cp);
// Every letter in its lower-case form (one character to one character).
std::string LowerCaseText(std::string_view text);
bool ContainsAnyCase(std::string_view text, std::string_view needle);
// Every occurrence of from in any letter case replaced by to, left to right without overlap.
std::string ReplaceAllAnyCase(std::string_view text, std::string_view from, std::string_view to);

}  // namespace quorl
