// The country phase: the country from its Default or preserved value, else the last country of
// the list that a label line names as a whole word (a line naming an institution only when no
// other line names a country).
#include <algorithm>

#include "base/Excerpt.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/FindName.h"
#include "parser/Phases.h"
#include "parser/PlaceLines.h"

namespace quorl {

namespace {

// The last country of the list that the lines name as a whole word, selected.
bool FindCountry(Session& s, PhaseState& ps, const LabelFieldClass& def, const SearchLines& lines) {
    // Only the countries that the lines may name are searched, last first.
    const std::vector<uint32_t> named = s.parser.countryNames.Candidates(s.CountryList, lines.lower);
    for (auto it = named.rbegin(); it != named.rend(); ++it) {
        const size_t i = *it;
        if (FindNameInChunks(s, def, s.CountryList[i].Name, true, lines) == 0) continue;
        ps.countryIndex = static_cast<int>(i);
        SelectFieldComboItem(s, fCountry, static_cast<int>(i), s.parser.CurrentLine);
        FillStateCombo(s);
        CountryComboChange(s);
        return true;
    }
    return false;
}

}  // namespace

void CountryPhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start Country");
    PreparePlaceLines(s);
    const LabelFieldClass& def = Definition(s, fCountry);
    bool found = false;
    if (!def.Default.empty()) {
        for (size_t i = 0; i < s.CountryList.size(); ++i) {
            if (s.CountryList[i].Name != def.Default) continue;
            found = true;
            SelectFieldComboItem(s, fCountry, static_cast<int>(i), -1);
            ps.countryIndex = static_cast<int>(i);
            FillStateCombo(s);
            break;
        }
        if (!found) s.dialogs.ShowMessage("Country Default " + Excerpt(def.Default) + " not found.");
    }
    if (!found) {
        const std::string text = GetFieldText(s, fCountry);
        if (def.Preserve && text != "Select Country" && !text.empty()) {
            found = true;
            ps.countryIndex = std::max(BoxItemIndex(s, "CountryCombo"), 0);
        } else {
            s.parser.PlaceSearchField = fCountry;
            // The lines that name an institution are read only when no other line names a country.
            const SearchLines places(s, InstitutionsOut::Lines), every(s);
            for (const SearchLines* lines : {&places, &every}) {
                found = FindCountry(s, ps, def, *lines);
                if (found) break;
            }
        }
    }
    ps.countryFound = found;
    ps.found = found;
}

}  // namespace quorl
