// Rank and subspecies: a rank word (f., var., subsp., ...) on the species line or the line after
// it, and the epithet that follows it.
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Session.h"
#include "parser/Accents.h"
#include "parser/Phases.h"

namespace quorl {

void RankPhase(Session& s, PhaseState& ps) {
    const int line = FoundLineOf(s, fSpecies);
    std::string t = RemoveAccents(s.parser.Line(line));
    if (s.parser.IsLine(line + 1)) t += " " + RemoveAccents(s.parser.Line(line + 1));
    const Control* list = s.form.Find("RankCombo");
    if (!list) return;
    const std::vector<std::string> ranks = list->items;
    for (const std::string& r : ranks) {
        const long p = static_cast<long>(Pos(r, t));
        if (r.empty() || p == 0) continue;
        const long e = p + static_cast<long>(r.size());
        if (p > 1 && IsAsciiLetter(static_cast<unsigned char>(CharAt(t, p - 1)))) continue;
        if (IsAsciiLetter(static_cast<unsigned char>(CharAt(t, e)))) continue;
        SetFieldText(s, fRank, r, false);
        t.erase(0, std::min(t.size(), static_cast<size_t>(e)));
        if (CharCount(t) >= 2) {
            size_t k = 0;
            while (k < t.size() && IsAsciiLetter(static_cast<unsigned char>(t[k]))) ++k;
            t.erase(k);
        }
        SetFieldText(s, fSubSp, t, false);
        break;
    }
    ps.found = false;
}

}  // namespace quorl
