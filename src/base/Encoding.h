#pragma once
// Conversion between the program's inner text (Windows-1252 bytes) and UTF-8, the form of every
// file on disk and of every text handed to Qt.
#include <string>
#include <string_view>

namespace quorl {

std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);
// File bytes to inner text: valid UTF-8 is converted, anything else is taken as Windows-1252.
std::string DecodeFileBytes(std::string_view bytes);

}  // namespace quorl
