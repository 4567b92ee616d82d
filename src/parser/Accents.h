#pragma once
// Folding of the accented lower-case letters found on labels, so that place and plant names
// written with or without accents are found alike.
#include <string>
#include <string_view>

namespace quorl {

// í á ü ó ç é ú ñ become i a u o c e u n, apostrophes disappear, then ã becomes a
// (case-sensitive; capital accented letters are kept).
std::string RemoveAccents(std::string_view text);

}  // namespace quorl
