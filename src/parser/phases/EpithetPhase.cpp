// The species phase: the species of the chosen genus whose name follows the genus on its line.
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

void SpeciesPhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start Species");
    FillSpeciesCombo(s);
    std::string t;
    if (s.parser.CurrentLine > -1) {
        t = RemoveAccents(s.parser.Line(s.parser.CurrentLine));
        const std::string family = GetFieldText(s, fFamily);
        if (!family.empty()) t = ReplaceAllNoCase(t, family, "");
        t = Trim(t);
        const std::string genus = GetFieldText(s, fGenus);
        const size_t p = Pos(genus, t);
        t.erase(0, std::min(t.size(), genus.size() + p));
        t = Trim(t);
    }
    if (t.empty()) return;
    const Control* list = s.form.Find("SpeciesCombo");
    if (!list) return;
    const std::vector<std::string>& items = list->items;  // read up to the selection
    for (size_t k = items.size(); k-- > 0;) {
        if (items[k].empty() || !StartsWithNoCase(t, items[k])) continue;
        SelectFieldComboItem(s, fSpecies, static_cast<int>(k), FoundLineOf(s, fGenus));
        SetFieldText(s, fScientificName, BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo"), false);
        ps.speciesChosen = true;
        return;
    }
}

}  // namespace quorl
