// The genus phase: the genus from its Default or preserved value, else the first genus of the
// chosen family that a label line names.
#include <algorithm>

#include "base/Excerpt.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Accents.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

bool GenusFromDefault(Session& s) {
    const LabelFieldClass& def = Definition(s, fGenus);
    if (def.Default.empty() && !(def.Preserve && BoxText(s, "GenusCombo") != "Select Genus")) return false;
    if (def.Preserve) return true;
    for (size_t i = 0; i < s.FamilyGenera.size(); ++i) {
        const std::string& name = s.FamilyGenera[i].Name;
        if (name == def.Default && CharCount(name) >= 2) {
            SelectFieldComboItem(s, fGenus, static_cast<int>(i), -1);
            FillSpeciesCombo(s);
            return true;
        }
    }
    s.dialogs.ShowMessage("Genus Default " + Excerpt(def.Default) + " not found.");
    return false;
}

// Whether text holds name followed by a blank, in any letter case.
bool HoldsNameAndBlank(std::string_view text, std::string_view name) {
    for (size_t p = FindNoCase(text, name); p != std::string_view::npos; p = FindNoCase(text, name, p + 1))
        if (p + name.size() < text.size() && text[p + name.size()] == ' ') return true;
    return false;
}

bool GenusInLabel(Session& s) {
    const LabelFieldClass& def = Definition(s, fGenus);
    const int last = std::min(def.Maximum, s.parser.LineCount());
    const std::string family = GetFieldText(s, fFamily);
    for (int i = std::max(def.Minimum, 0); i < last; ++i) {
        s.parser.CurrentLine = i;
        std::string t = RemoveAccents(s.parser.Line(i));
        if (!family.empty()) t = ReplaceAllNoCase(t, family, "");
        t = Trim(t);
        const std::vector<FamilyClass>& genera = s.FamilyGenera;
        for (size_t g = 0; g < genera.size(); ++g) {
            const std::string& name = genera[g].Name;
            const bool match = (!name.empty() && HoldsNameAndBlank(t, name)) || EqualsNoCase(t, name);
            if (!match) continue;
            const long p = static_cast<long>(PosNoCase(name, t));
            if (p > 1 && IsAsciiLetter(static_cast<unsigned char>(CharAt(t, p - 1)))) continue;
            SelectFieldComboItem(s, fGenus, static_cast<int>(g), i);
            SetFieldText(s, fScientificName, BoxText(s, "GenusCombo"), false);
            return true;
        }
    }
    return false;
}

}  // namespace

void GenusPhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start Genus");
    s.parser.CurrentLine = -1;
    bool found = GenusFromDefault(s);
    if (!found) found = GenusInLabel(s);
    ps.genusFound = found;
    ps.found = found;
}

}  // namespace quorl
