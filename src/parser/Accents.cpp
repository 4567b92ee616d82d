#include "parser/Accents.h"

#include "base/Text.h"

namespace quorl {

std::string RemoveAccents(std::string_view text) {
    static const char* const kFolds[][2] = {
        {"\xED", "i"}, {"\xE1", "a"}, {"\xFC", "u"}, {"\xF3", "o"}, {"\xE7", "c"},
        {"\xE9", "e"}, {"\xFA", "u"}, {"\xF1", "n"}, {"'", ""},     {"\xE3", "a"}};
    std::string t(text);
    for (const auto& f : kFolds) t = ReplaceAll(t, f[0], f[1]);
    return t;
}

}  // namespace quorl
