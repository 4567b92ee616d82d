// The county phase: the last county of the chosen state that a label line names outside the
// institutions' names, else the
// county's start or contained words; then township, range, section, section info and barcode
// by their start or contained words.
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/FindName.h"
#include "parser/Phases.h"

namespace quorl {

void CountyPhase(Session& s, PhaseState& ps) {
    WriteToLog(s, "Start County/Parish");
    bool found = false;
    if (ps.stateFound && ps.countryIndex >= 0 && ps.countryIndex < static_cast<int>(s.CountryList.size())) {
        const auto& states = s.CountryList[static_cast<size_t>(ps.countryIndex)].Children;
        if (ps.stateIndex >= 0 && ps.stateIndex < static_cast<int>(states.size())) {
            const std::vector<CountryClass>& counties = states[static_cast<size_t>(ps.stateIndex)].Children;
            const LabelFieldClass def = Definition(s, fCounty);
            s.parser.PlaceSearchField = fCounty;
            const SearchLines lines(s, InstitutionsOut::Names);
            for (size_t i = counties.size(); i-- > 0;) {
                if (FindNameInChunks(s, def, counties[i].Name, false, lines) == 0) continue;
                found = true;
                SelectFieldComboItem(s, fCounty, static_cast<int>(i), s.parser.CurrentLine);
                break;
            }
        }
    }
    ps.found = found;
    if (!found) FillByStartOrContainedWord(s, fCounty);
    for (int f : {fTownship, fRange, fSection, fSectionInfo, fBarcode}) FillByStartOrContainedWord(s, f);
}

}  // namespace quorl
