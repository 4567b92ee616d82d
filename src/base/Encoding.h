#pragma once
// The program's inner text is UTF-8 in std::string. Files on disk are UTF-8 too; a file with bytes
// above 0x7F none of which forms a UTF-8 sequence is an older single-byte (Windows-1252) file, and
// a file that starts with a UTF-16 byte-order mark is UTF-16. These helpers convert between those forms.
#include <optional>
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
// True when bytes are UTF-8 text: they hold no byte above 0x7F, or at least one valid multi-byte
// UTF-8 sequence. A few invalid bytes among them (a stray byte pasted in) do not make the text an
// older single-byte one; bytes above 0x7F of which none forms a UTF-8 sequence do.
bool IsUtf8Text(std::string_view bytes);
// UTF-8 text in which a byte that starts no valid sequence is taken as its Windows-1252 character.
std::string Utf8WithStrayBytesToUtf8(std::string_view bytes);
// File bytes to inner text: a UTF-8 or UTF-16 byte-order mark is honoured (and dropped), UTF-8
// text (IsUtf8Text) is kept as it is apart from its stray bytes, which are read as Windows-1252,
// and anything else is taken as Windows-1252. Line ends are not touched.
std::string DecodeFileBytes(std::string_view bytes);
// The bytes of a file whose lines are, one for one, the lines of DecodeFileBytes(bytes): all but a
// UTF-8 byte-order mark. nullopt for UTF-16 text, whose lines are not lines of its bytes.
std::optional<std::string_view> BytesInStepWithLines(std::string_view bytes);
// True when bytes start with a UTF-16 byte-order mark (either byte order).
bool IsUtf16(std::string_view bytes);
// UTF-8 text as UTF-16 code units without a byte-order mark.
std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian);

// The code point of the UTF-8 sequence at byte i and its length in bytes. A byte that starts no
// valid sequence counts as one character U+FFFD of one byte, so a walk always moves on.
size_t NextCodePoint(std::string_view s, size_t i, char32_t& cp);

}  // namespace quorl
