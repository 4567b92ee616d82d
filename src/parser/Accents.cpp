#include "parser/Accents.h"

#include "base/Text.h"

namespace quorl {

std::string RemoveAccents(std::string_view text) {
    static const char* const kFolds[][2] = {
        {"\u00ED", "i"}, {"\u00E1", "a"}, {"\u00FC", "u"}, {"\u00F3", "o"}, {"\u00E7", "c"},
        {"\u00E9", "e"}, {"\u00FA", "u"}, {"\u00F1", "n"}, {"'", ""},         {"\u00E3", "a"}};
    std::string t(text);
    // Every folded text is an apostrophe or opens with the byte 0xC3.
    if (t.find_first_of("'\xC3") == std::string::npos) return t;
    for (const auto& f : kFolds) t = ReplaceAll(t, f[0], f[1]);
    return t;
}

}  // namespace quorl
