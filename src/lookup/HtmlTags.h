#pragma once
// Tag names of serialised HTML in upper case, as the name-search page reader expects them
// ("<I>", "</I>"); attributes, text, comments and the contents of script and style stay as they are.
#include <string>
#include <string_view>

namespace quorl {

std::string UpperCaseTagNames(std::string_view html);

}  // namespace quorl
