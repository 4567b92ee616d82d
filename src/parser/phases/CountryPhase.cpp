// The country phase: the country from its Default or preserved value, else the last country of
// the list that a label line names as a whole word (a line naming an institution only when no
// other line names a country).
#include <algorithm>

#include "base/Excerpt.h"
#include "base/Text.h"
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

// Whether the name of the given length at 'at' in the lower-cased line is the end of a longer
// name of the place list written there ("mexico" in "new mexico", "guinea" in "papua new guinea").
bool EndsALongerPlaceName(const std::vector<CountryClass>& places, std::string_view line, size_t at, size_t length) {
    for (const CountryClass& place : places) {
        const size_t n = place.Name.size();
        if (n > length && n - length <= at) {
            const size_t from = at + length - n;
            if ((from == 0 || !IsAsciiLetter(static_cast<unsigned char>(line[from - 1]))) &&
                EqualsNoCase(place.Name, line.substr(from, n)))
                return true;
        }
        if (EndsALongerPlaceName(place.Children, line, at, length)) return true;
    }
    return false;
}

// Whether the lower-cased line names the country only as the end of longer place names: every
// whole-word occurrence of the name there ends one, and there is one.
bool OnlyEndsLongerPlaceNames(const std::vector<CountryClass>& places, std::string_view line, const std::string& name) {
    bool any = false;
    for (size_t at = line.find(name); at != std::string_view::npos; at = line.find(name, at + 1)) {
        const size_t end = at + name.size();
        if ((at > 0 && IsAsciiLetter(static_cast<unsigned char>(line[at - 1]))) ||
            (end < line.size() && IsAsciiLetter(static_cast<unsigned char>(line[end]))))
            continue;
        if (!EndsALongerPlaceName(places, line, at, name.size())) return false;
        any = true;
    }
    return any;
}

// The last country of the list that the lines name as a whole word, selected. A line where the
// country's name ends a longer place name names that place, not the country.
bool FindCountry(Session& s, PhaseState& ps, const LabelFieldClass& def, const SearchLines& lines) {
    // Only the countries that the lines may name are searched, last first.
    const std::vector<uint32_t> named = s.parser.countryNames.Candidates(s.CountryList, lines.lower);
    for (auto it = named.rbegin(); it != named.rend(); ++it) {
        const size_t i = *it;
        const std::string& name = s.CountryList[i].Name;
        SearchLines own = lines;
        for (int line; (line = FindNameLine(s, def, name, true, own)) >= 0;) {
            if (!OnlyEndsLongerPlaceNames(s.CountryList, own.lower[static_cast<size_t>(line)], LowerCase(name))) break;
            own.folded[static_cast<size_t>(line)] = own.lower[static_cast<size_t>(line)] = {};
        }
        if (FindNameInChunks(s, def, name, true, own) == 0) continue;
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
