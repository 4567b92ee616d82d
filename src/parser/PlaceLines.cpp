#include "parser/PlaceLines.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Session.h"
#include "parser/FindName.h"

namespace quorl {

namespace {

// Read in the accent-folded, lower-cased line, at the start of a word; "institut" also stands
// for institute, instituto and institution.
constexpr std::string_view kInstitutionWords[] = {
    "botanical garden", "botanic garden", "jardin botanico", "jardin botanique", "herbarium", "herbario",
    "herbier",          "museum",         "museo",           "musee",            "university", "universidad",
    "universite",       "institut"};

bool NamesAnInstitution(std::string_view lower) {
    for (std::string_view word : kInstitutionWords)
        for (size_t at = lower.find(word); at != std::string_view::npos; at = lower.find(word, at + 1))
            if (at == 0 || !IsAsciiLetter(static_cast<unsigned char>(lower[at - 1]))) return true;
    return false;
}

// The herbarium phase searches when the Herbarium has no Default and no preserved value.
bool HerbariumSearches(Session& s) {
    const LabelFieldClass& def = Definition(s, fHerbarium);
    return def.Default.empty() && !(def.Preserve && !GetFieldText(s, fHerbarium).empty());
}

}  // namespace

void MarkPlaceLinesPassedOver(Session& s) {
    ParserState& p = s.parser;
    p.PlacePassOver.fill(false);
    SearchLines lines(s);
    const int count = std::min(p.LineCount(), kMaxLabelLines);
    if (HerbariumSearches(s)) {
        // Each contained word takes the first line of the window that names it; a taken line is
        // empty for the words after it.
        const LabelFieldClass& def = Definition(s, fHerbarium);
        for (const std::string& word : CutWordList(def.ContainedWords)) {
            const int line = FindNameLine(s, def, word, false, lines);
            if (line < 0 || line >= count) continue;
            p.PlacePassOver[static_cast<size_t>(line)] = true;
            lines.folded[static_cast<size_t>(line)] = lines.lower[static_cast<size_t>(line)] = {};
        }
    }
    bool anotherLine = false;
    for (int i = 0; i < count; ++i) {
        bool& marked = p.PlacePassOver[static_cast<size_t>(i)];
        marked = marked || NamesAnInstitution(p.Forms(i).foldedLower);
        anotherLine = anotherLine || (!marked && !p.Line(i).empty());
    }
    if (!anotherLine) p.PlacePassOver.fill(false);
}

}  // namespace quorl
