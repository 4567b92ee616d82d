#pragma once
// String helpers shared by every subsystem. Texts are UTF-8; Pos, Copy and sizes count bytes, and
// positions returned by Pos are 1-based (0 = not found), as the file formats and parser rules count
// them. Where a rule counts characters, CharCount and the Char* helpers below count them.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// Raised where a text that must be a number is not one.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Blanks and control characters (bytes up to 0x20) are trimmed.
std::string Trim(std::string_view s);
std::string_view TrimmedView(std::string_view s);  // the same without a copy
std::string LowerCase(std::string_view s);  // ASCII letters only
std::string UpperCase(std::string_view s);  // ASCII letters only

// 1-based position of needle in text, 0 when absent.
size_t Pos(std::string_view needle, std::string_view text);
bool Contains(std::string_view text, std::string_view needle);
bool StartsWith(std::string_view text, std::string_view prefix);
bool ContainsNoCase(std::string_view text, std::string_view needle);
// Byte index of the first needle in text at or after from, ignoring the case of A-Z; npos when
// absent. The same as searching the lower-cased needle in the lower-cased text, without copies.
size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0);
// a == b ignoring the case of A-Z.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Cuts the part before the first delimiter off text and returns it; the whole text when the
// delimiter is absent. With trim, the text is trimmed before the search and the token after it.
std::string NextToken(std::string& text, std::string_view delimiter, bool trim);

// Decimal integer with optional sign and surrounding blanks; nullopt when not a number.
std::optional<int> TryStrToInt(std::string_view s);
int StrToInt(std::string_view s);  // throws ConversionError
// Decimal number with "." or "," as separator; nullopt when not a number.
std::optional<double> TryStrToFloat(std::string_view s);
double StrToFloat(std::string_view s);  // throws ConversionError
std::string IntToStr(long long v);

// Every occurrence of from replaced by to, left to right without overlap.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// The same in any ASCII letter case.
std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to);

// Splits text into lines at CR LF, LF or CR.
std::vector<std::string> SplitLines(std::string_view text);
// Every line end (CR LF, LF or a lone CR) written as CR LF.
std::string CrLfLineEnds(std::string_view text);

// Characters of a UTF-8 text (a byte that is no continuation byte starts one).
inline bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
size_t CharCount(std::string_view s);
// CharCount(s) > n, looking no further than needed.
bool MoreCharsThan(std::string_view s, size_t n);
// Byte index reached from byte index i by moving n characters forward (clamped to the text's
// size) or backward (clamped to 0).
size_t CharsForward(std::string_view s, size_t i, size_t n);
size_t CharsBack(std::string_view s, size_t i, size_t n);

inline bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// The byte lower-cased as LowerCase does it (A-Z only).
inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace quorl
