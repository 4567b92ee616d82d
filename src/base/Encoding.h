#pragma once
// The program's inner text is UTF-8 in std::string. Files on disk are UTF-8 too; a file that is
// not valid UTF-8 is an older single-byte (Windows-1252) file, and a file that starts with a UTF-16
// byte-order mark is UTF-16. These helpers convert between those forms.
#include <string>
#include <string_view>

namespace quorl {

std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);
// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsCp1252(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);
// The Windows-1252 byte of a code point, -1 when the code page has none.
int Cp1252ByteOf(char32_t cp);
// File bytes to inner text: a UTF-8 or UTF-16 byte-order mark is honoured (and dropped), valid
// UTF-8 is kept as it is, anything else is taken as Windows-1252. Line ends are not touched.
std::string DecodeFileBytes(std::string_view bytes);

// The code point of the UTF-8 sequence at byte i and its length in bytes. A byte that starts no
// valid sequence counts as one character U+FFFD of one byte, so a walk always moves on.
size_t NextCodePoint(std::string_view s, size_t i, char32_t& cp);

}  // namespace quorl
