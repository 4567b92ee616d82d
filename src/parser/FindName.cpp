#include "parser/FindName.h"

#include <algorithm>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/Trace.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Accents.h"

namespace quorl {

SearchLines::SearchLines(const Session& s, InstitutionsOut out) {
    const ParserState& p = s.parser;
    folded.reserve(static_cast<size_t>(p.LineCount()));
    lower.reserve(static_cast<size_t>(p.LineCount()));
    for (int i = 0; i < p.LineCount(); ++i) {
        LineForms& f = p.Forms(i);
        if (!f.searchFormsMade) {
            // "USA" at the line's start reads as after a blank.
            f.folded = ReplaceAllNoCase(" " + RemoveAccents(f.source), " USA", " United States").substr(1);
            f.foldedLower = LowerCase(f.folded);
            f.searchFormsMade = true;
        }
        const PlaceLineForms* place = out == InstitutionsOut::None ? nullptr : p.PlaceForms(i);
        if (place && out == InstitutionsOut::Names) {
            folded.push_back(place->folded);
            lower.push_back(place->foldedLower);
        } else if (place && place->passOver) {
            folded.emplace_back();
            lower.emplace_back();
        } else {
            folded.push_back(f.folded);
            lower.push_back(f.foldedLower);
        }
    }
}

int32_t FindNameInChunks(Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord) {
    return FindNameInChunks(s, def, name, wholeWord, SearchLines(s));
}

int FindNameLine(const Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord,
                 const SearchLines& lines) {
    const ParserState& p = s.parser;
    const int from = std::max(def.Minimum - 2, 0);
    const int to = std::min({def.Maximum, p.LineCount(), static_cast<int>(lines.lower.size())}) - 1;
    const std::string lowName = LowerCase(name);
    if (lowName.empty()) return -1;
    for (int i = from; i <= to; ++i) {
        const std::string_view t = lines.folded[static_cast<size_t>(i)];
        const long pos = static_cast<long>(Pos(lowName, lines.lower[static_cast<size_t>(i)]));
        if (pos == 0) continue;
        if (pos > 1 && IsAsciiLetter(static_cast<unsigned char>(CharAt(t, pos - 1)))) continue;
        const long after = pos + static_cast<long>(lowName.size());
        if (wholeWord && IsAsciiLetter(static_cast<unsigned char>(CharAt(t, after)))) continue;
        return i;
    }
    return -1;
}

int32_t FindNameInChunks(Session& s, const LabelFieldClass& def, const std::string& name, bool wholeWord,
                         const SearchLines& lines) {
    ParserState& p = s.parser;
    const int i = FindNameLine(s, def, name, wholeWord, lines);
    if (i < 0) return 0;
    p.CurrentLine = i;
    if (s.trace.Trace && s.trace.TraceField == p.PlaceSearchField)
        s.trace.TraceText += "Found \"" + name + "\" in \"" + p.Line(i) + "\".\r\n";
    // Where the name stands in the unfolded line; 1 when only the folded line holds it.
    const size_t raw = Pos(LowerCase(name), p.LowerLine(i));
    return raw > 0 ? static_cast<int32_t>(raw + 1) : 1;
}

}  // namespace quorl
