#include "fields/CascadingLists.h"

#include <algorithm>

#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"

namespace quorl {

namespace {

Control* Find(Session& s, const char* name) { return s.form.Find(name); }
void SetColorIf(Session& s, const char* name, uint32_t color) {
    if (s.form.Find(name)) s.form.SetColor(name, color);
}

// Fills the list with the names of children: a single name is selected, more or none leave the
// prompt in the list's text. Returns how many names there are.
template <typename Children>
size_t OfferNames(Session& s, const char* listName, const Children& children, const char* prompt) {
    std::vector<std::string> names;
    for (const auto& child : children) names.push_back(child.Name);
    s.form.SetItems(listName, names);
    if (names.size() != 1)
        s.form.SetText(listName, prompt);
    else
        s.form.SetItemIndex(listName, 0);
    return names.size();
}

struct PassNothing {
    bool operator()(const std::string&, int) const { return false; }
};

// How a list of places or of plant names reads the label lines.
enum class Reading { Plants, Places };

// Longest item of the list contained in a label line (ignoring case), lines in order and items
// from the last to the first; every improvement is selected at once through select(index, line).
// An item for which passOver(item, line) holds is not taken from that line. Places are read in
// the lines as the place searches read them (the institutions' names blanked out).
template <typename Select, typename PassOver = PassNothing>
void PickLongestFromLabel(Session& s, const char* listName, int lineLimit, Reading reading, bool itemsBackwards,
                          Select select, PassOver passOver = {}) {
    size_t best = 0;  // in characters
    for (int i = 0; i < lineLimit; ++i) {
        const std::string_view line = reading == Reading::Places ? s.parser.PlaceLower(i) : s.parser.LowerLine(i);
        Control* list = Find(s, listName);
        if (!list) return;
        // The line is read against the items as they are now: they are copied before the first
        // selection, which may change the list.
        const std::vector<std::string>* items = &list->items;
        std::vector<std::string> kept;
        int n = static_cast<int>(items->size());
        for (int k = 0; k < n; ++k) {
            int j = itemsBackwards ? n - 1 - k : k;
            const std::string& item = (*items)[static_cast<size_t>(j)];
            if (PosNoCase(item, line) > 0 && MoreCharsThan(item, best) && !passOver(item, i)) {
                best = CharCount(item);
                if (items != &kept) {
                    kept = *items;
                    items = &kept;
                }
                select(j, i);
            }
        }
    }
}

// The first species of the list that a label line naming the genus holds (not at the genus' own
// place) is selected and composed into the scientific name.
void PickSpeciesFromLabel(Session& s) {
    for (int i = 0; i < s.parser.LineCount(); ++i) {
        const std::string g = BoxText(s, "GenusCombo");
        const std::string& line = s.parser.Line(i);
        const std::string_view lowLine = s.parser.LowerLine(i);
        if (PosNoCase(g, lowLine) == 0) continue;
        const std::vector<std::string>& items = Find(s, "SpeciesCombo")->items;  // read up to the selection
        for (size_t k = 0; k < items.size(); ++k) {
            if (PosNoCase(items[k], lowLine) == 0 || Pos(items[k], line) == Pos(g, line)) continue;
            SelectFieldComboItem(s, fSpecies, static_cast<int>(k), i);
            SetBoxText(s, "ScientificNameEdit", BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo"));
            return;
        }
    }
}

}  // namespace

void FillGenusCombo(Session& s) {
    int fi = BoxItemIndex(s, "FamilyCombo");
    if (fi < 1 || fi >= static_cast<int>(s.PlantList.size())) return;
    GetOneFamily(s, fi);
    s.parser.ChosenFamilyIndex = fi;
    if (s.FamilyGenera.size() < 2) {
        if (Find(s, "GenusCombo")) s.form.SetItemIndex("GenusCombo", 0);
        FillSpeciesCombo(s);
        return;
    }
    SetBoxText(s, "GenusCombo", "Select Genus");
    SetBoxText(s, "SpeciesCombo", "");
    if (BoxText(s, "RichEdit1").empty()) return;

    int loc = FoundLineOf(s, fLocation);
    int desc = FoundLineOf(s, fDescription);
    int limit;
    if (loc >= 1 && loc < desc)
        limit = loc;
    else if (desc > 0 && desc < loc)
        limit = desc;
    else
        limit = s.parser.LineCount() / 2;
    limit = std::min(limit, s.parser.LineCount());

    bool found = false;
    PickLongestFromLabel(s, "GenusCombo", limit, Reading::Plants, false, [&](int item, int line) {
        SelectFieldComboItem(s, fGenus, item, line);
        FillSpeciesCombo(s);
        found = true;
    });
    if (!found || !Find(s, "SpeciesCombo")) return;
    for (int i = 0; i < limit; ++i) {
        const std::string_view line = s.parser.LowerLine(i);
        const std::vector<std::string>& items = Find(s, "SpeciesCombo")->items;  // read up to the selection
        for (size_t k = 0; k < items.size(); ++k)
            if (PosNoCase(items[k], line) > 0) {
                s.form.SetItemIndex("SpeciesCombo", static_cast<int>(k));
                return;
            }
    }
}

void FillSpeciesCombo(Session& s) {
    if (!Find(s, "SpeciesCombo") || !Find(s, "GenusCombo")) return;
    s.form.ClearItems("SpeciesCombo");
    int gi = BoxItemIndex(s, "GenusCombo");
    if (gi >= 0 && gi < static_cast<int>(s.FamilyGenera.size()) && !s.FamilyGenera[static_cast<size_t>(gi)].Name.empty()) {
        const FamilyClass& genus = s.FamilyGenera[static_cast<size_t>(gi)];
        if (OfferNames(s, "SpeciesCombo", genus.Children, "Select Species") != 1)
            SetBoxText(s, "ScientificNameEdit", BoxText(s, "GenusCombo"));
        else
            SetBoxText(s, "ScientificNameEdit", BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo"));
        PickSpeciesFromLabel(s);
    }
    s.form.SetColor("GenusCombo", kColorWindow);
}

void FillStateCombo(Session& s) {
    if (!Find(s, "StateCombo")) return;
    s.form.ClearItems("StateCombo");
    int ci = BoxItemIndex(s, "CountryCombo");
    if (ci >= 0 && ci < static_cast<int>(s.CountryList.size()) && !BoxText(s, "CountryCombo").empty()) {
        const CountryClass& country = s.CountryList[static_cast<size_t>(ci)];
        size_t states = OfferNames(s, "StateCombo", country.Children, "Select State");
        if (Find(s, "ParishCombo")) s.form.ClearItems("ParishCombo");
        // A state named like its country (the state Mexico of Mexico) is not taken from the line
        // that named the country ("Plants of Mexico").
        const std::string countryName = LowerCase(BoxText(s, "CountryCombo"));
        const int countryLine = FoundLineOf(s, fCountry);
        const auto namesCountry = [&](const std::string& item, int line) {
            return line == countryLine && EqualsNoCase(item, countryName);
        };
        if (states > 0)
            PickLongestFromLabel(
                s, "StateCombo", s.parser.LineCount(), Reading::Places, true,
                [&](int item, int line) {
                    SelectFieldComboItem(s, fState, item, line);
                    StateComboChange(s);
                },
                namesCountry);
    }
}

void StateComboChange(Session& s) {
    if (!Find(s, "ParishCombo")) return;
    int ci = BoxItemIndex(s, "CountryCombo");
    int si = BoxItemIndex(s, "StateCombo");
    s.form.ClearItems("ParishCombo");
    if (si < 0 || BoxText(s, "StateCombo").empty()) return;
    if (ci < 0 || ci >= static_cast<int>(s.CountryList.size())) return;
    const CountryClass& country = s.CountryList[static_cast<size_t>(ci)];
    if (si >= static_cast<int>(country.Children.size())) return;
    OfferNames(s, "ParishCombo", country.Children[static_cast<size_t>(si)].Children, "Select County");
    PickLongestFromLabel(s, "ParishCombo", s.parser.LineCount(), Reading::Places, true,
                         [&](int item, int line) { SelectFieldComboItem(s, fCounty, item, line); });
}

void FamilyComboChange(Session& s) { FillGenusCombo(s); }

void GenusComboChange(Session& s) {
    FillSpeciesCombo(s);
    // A typed genus that is not in the list has no species yet: the scientific name is the genus
    // alone, as for a listed genus with several species. (A text with a blank is no genus.)
    const std::string genus = BoxText(s, "GenusCombo");
    if (BoxItemIndex(s, "GenusCombo") < 0 && !Contains(genus, " ")) SetBoxText(s, "ScientificNameEdit", genus);
}

void SpeciesComboChange(Session& s) {
    std::string name = BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo");
    if (!GetFieldText(s, fSubSp).empty()) name += " " + GetFieldText(s, fRank) + " " + GetFieldText(s, fSubSp);
    SetBoxText(s, "ScientificNameEdit", name);
    SetColorIf(s, "ScientificNameEdit", kColorWindow);
    SetColorIf(s, "SpeciesCombo", kColorWindow);
}

void SubSpEditChange(Session& s) {
    WarnEmpty(s);
    std::string name = BoxText(s, "GenusCombo") + " " + BoxText(s, "SpeciesCombo");
    std::string rank = GetFieldText(s, fRank), subsp = GetFieldText(s, fSubSp);
    if (!subsp.empty() || !rank.empty()) name += " " + rank + " " + subsp;
    SetBoxText(s, "ScientificNameEdit", name);
    SetColorIf(s, "ScientificNameEdit", kColorWindow);
    SetColorIf(s, "SubSpEdit", kColorWindow);
}

void ScientificNameEditChange(Session& s) {
    std::string text = BoxText(s, "ScientificNameEdit");
    if (!Contains(text, " ")) return;
    std::string genus = NextToken(text, " ", true);
    std::string species = NextToken(text, " ", true);
    SetBoxText(s, "GenusCombo", genus);
    SetBoxText(s, "SpeciesCombo", species);
    SetColorIf(s, "GenusCombo", kColorWindow);
    SetColorIf(s, "SpeciesCombo", kColorWindow);
}

void CountryComboChange(Session& s) {
    FillStateCombo(s);
    WarnIfEmpty(s, fCountry);
}

namespace {

struct ListHandler {
    const char* control;
    void (*handler)(Session&);
};

constexpr ListHandler kListHandlers[] = {
    {"FamilyCombo", FamilyComboChange},   {"GenusCombo", GenusComboChange},
    {"SpeciesCombo", SpeciesComboChange}, {"RankCombo", SubSpEditChange},
    {"SubSpEdit", SubSpEditChange},       {"ScientificNameEdit", ScientificNameEditChange},
    {"CountryCombo", CountryComboChange}, {"StateCombo", StateComboChange},
};

}  // namespace

bool IsCascadingListControl(std::string_view name) {
    for (const ListHandler& h : kListHandlers)
        if (name == h.control) return true;
    return false;
}

void BindCascadingLists(Session& s) {
    for (const ListHandler& h : kListHandlers)
        if (s.form.Find(h.control)) s.form.OnChange(h.control, [&s, handler = h.handler] { handler(s); });
}

}  // namespace quorl
