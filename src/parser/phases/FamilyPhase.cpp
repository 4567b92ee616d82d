// The family phase: the family from its Default or preserved value, else a family name in the
// label, else a genus and species in the first four lines; else the family of the previous label.
#include <algorithm>
#include <vector>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "parser/Accents.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

bool FamilyFromDefault(Session& s, PhaseState& ps) {
    const LabelFieldClass& def = Definition(s, fFamily);
    const std::string text = GetFieldText(s, fFamily);
    if (def.Default.empty() && !(def.Preserve && text != "Select Family" && !text.empty())) return false;
    if (def.Preserve) {
        const Control* list = s.form.Find("FamilyCombo");
        if (list) {
            for (size_t i = 0; i < list->items.size(); ++i) {
                if (EqualsNoCase(list->items[i], text)) {
                    SelectFieldComboItem(s, fFamily, static_cast<int>(i), -1);
                    break;
                }
            }
            ps.familyIndex = s.form.Get("FamilyCombo").itemIndex;
        }
        return true;
    }
    for (size_t i = 0; i < s.PlantList.size(); ++i) {
        if (s.PlantList[i].Name == def.Default) {
            SelectFieldComboItem(s, fFamily, static_cast<int>(i), -1);
            s.parser.ChosenFamilyIndex = ps.familyIndex = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool FamilyInLabel(Session& s, PhaseState& ps) {
    const LabelFieldClass& def = Definition(s, fFamily);
    const int last = std::min(def.Maximum, s.parser.LineCount());
    for (int i = std::max(def.Minimum, 0); i < last; ++i) {
        const std::string_view line = s.parser.LowerLine(i);
        if (Pos("aceae", line) == 0) continue;
        for (size_t f = 0; f < s.PlantList.size(); ++f) {
            if (PosNoCase(s.PlantList[f].Name, line) == 0) continue;
            SelectFieldComboItem(s, fFamily, static_cast<int>(f), i);
            s.parser.ChosenFamilyIndex = ps.familyIndex = static_cast<int>(f);
            return true;
        }
    }
    return false;
}

// A genus and one of its species in one of the first four lines; the later species of the genus
// wins when the line holds two.
bool GenusAndSpeciesInFirstLines(Session& s, PhaseState& ps) {
    const int lines = std::min(4, s.parser.LineCount());
    for (int i = 0; i < lines; ++i) {
        s.parser.CurrentLine = i;
        const std::string t = RemoveAccents(s.parser.Line(i));
        // The genera the line names (of two characters or more), in plant-list order.
        for (const auto& [f, g] : s.parser.genusIndex.GeneraIn(s.PlantList, t)) {
            const FamilyClass& genus = s.PlantList[f].Children[g];
            for (size_t k = genus.Children.size(); k-- > 0;) {
                const std::string& species = genus.Children[k].Name;
                if (species.empty() || !Contains(t, species)) continue;
                SelectFieldComboItem(s, fFamily, static_cast<int>(f), i);
                FillGenusCombo(s);
                // The genus list must hold this family's genera, also for the first family.
                if (f == 0) GetOneFamily(s, static_cast<int>(f));
                SelectFieldComboItem(s, fGenus, static_cast<int>(g), i);
                FillSpeciesCombo(s);
                const Control* list = s.form.Find("SpeciesCombo");
                if (list && k < list->items.size()) SelectFieldComboItem(s, fSpecies, static_cast<int>(k), i);
                SetFieldText(s, fScientificName,
                             BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo"), false);
                s.parser.ChosenFamilyIndex = ps.familyIndex = static_cast<int>(f);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void FamilyPhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start Family");
    bool found = FamilyFromDefault(s, ps);
    WriteToLog(s, "Family 1");
    if (!found) {
        WriteToLog(s, "Family Not Found");
        found = FamilyInLabel(s, ps);
    }
    if (found) {
        WriteToLog(s, "Family Found");
        GetOneFamily(s, ps.familyIndex);
    }
    WriteToLog(s, "Family 2");
    if (!found && GenusAndSpeciesInFirstLines(s, ps)) {
        found = true;
        ps.genusAndSpeciesFound = true;
        ps.genusFound = false;
        ps.speciesChosen = true;
    }
    if (!found && s.parser.ChosenFamilyIndex != 0 &&
        s.parser.ChosenFamilyIndex < static_cast<int>(s.PlantList.size())) {
        SelectFieldComboItem(s, fFamily, s.parser.ChosenFamilyIndex, -1);
        ps.familyIndex = s.parser.ChosenFamilyIndex;
        found = true;
    }
    ps.familyFound = found;
    ps.found = found;
    WriteToLog(s, "End Family");
}

}  // namespace quorl
