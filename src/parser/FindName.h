#pragma once
// Searching a plant or place name in the label lines of a field's window.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

class Session;
struct LabelFieldClass;

// Searches name (ignoring case, in the accent-folded line, "USA" after a blank or at the line's
// start read as "United States") in
// the lines from Minimum - 2 to Maximum - 1 of the field's definition. A name glued to a letter
// before it does not count, nor, with wholeWord, one glued to a letter after it. Returns 0 when
// not found, else 1 + the name's position in the line, and sets CurrentLine to the line.
int32_t FindNameInChunks(Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord);

// The label lines as the name search reads them (folded, "USA" read as "United States", and
// lower-cased), for a run of searches over unchanged lines: views of the forms the parser state
// keeps for each line, valid while no line changes.
// The place searches read the lines with the institutions' names blanked out (Names), or with the
// lines that name an institution empty (Lines); see PlaceLines.h.
enum class InstitutionsOut { None, Names, Lines };
struct SearchLines {
    std::vector<std::string_view> folded, lower;
    explicit SearchLines(const Session& s, InstitutionsOut out = InstitutionsOut::None);
};
int32_t FindNameInChunks(Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord,
                         const SearchLines& lines);

// The line FindNameInChunks would find, or -1; nothing else changes.
int FindNameLine(const Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord,
                 const SearchLines& lines);

}  // namespace quorl
