// The state phase: the last state of the chosen country that a label line names outside the
// institutions' names (a state named like its country is passed over on the country's own line).
#include "base/Text.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/FindName.h"
#include "parser/Phases.h"

namespace quorl {

void StatePhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start States");
    ps.found = false;
    ps.stateFound = false;
    s.parser.PlaceSearchField = fState;
    if (ps.countryIndex < 0 || ps.countryIndex >= static_cast<int>(s.CountryList.size())) return;
    const std::vector<CountryClass>& states = s.CountryList[static_cast<size_t>(ps.countryIndex)].Children;
    const LabelFieldClass def = Definition(s, fState);
    const SearchLines lines(s, InstitutionsOut::Names);
    for (size_t i = states.size(); i-- > 0;) {
        if (FindNameInChunks(s, def, states[i].Name, false, lines) == 0) continue;
        if (EqualsNoCase(states[i].Name, GetFieldText(s, fCountry)) &&
            FoundLineOf(s, fCountry) == s.parser.CurrentLine)
            continue;
        ps.found = ps.stateFound = true;
        ps.stateIndex = static_cast<int>(i);
        SelectFieldComboItem(s, fState, static_cast<int>(i), s.parser.CurrentLine);
        StateComboChange(s);
        return;
    }
}

}  // namespace quorl
