#include "editors/CountryListFile.h"

#include <algorithm>
#include <charconv>

namespace quorl {

std::string FormatRegionBound(float value) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::string FormatRegionBounds(const CountryClass& node) {
    if (!node.HasBox()) return {};
    return "(" + FormatRegionBound(node.MinLat) + "/" + FormatRegionBound(node.MaxLat) + "/" +
           FormatRegionBound(node.MinLong) + "/" + FormatRegionBound(node.MaxLong) + ")";
}

namespace {

bool SortLevel(std::vector<CountryClass>& level) {
    if (std::is_sorted(level.begin(), level.end(), AnsiStringLess)) return false;
    std::stable_sort(level.begin(), level.end(), AnsiStringLess);
    return true;
}

// A country line without states reads as one state without a name, box or counties: it is written
// back as no state at all.
bool IsPlaceholderState(const CountryClass& state) {
    return state.Name.empty() && !state.HasBox() && state.Children.empty();
}

void AppendEntry(std::string& out, const CountryClass& node) {
    out += node.Name;
    out += FormatRegionBounds(node);
}

void NoteBounds(std::vector<std::string>& notes, const CountryClass& node) {
    if (node.MinLat > node.MaxLat) notes.push_back("Note!  " + node.Name + " Min Lat greater than Max Lat.");
    if (node.MinLong > node.MaxLong) notes.push_back("Note!  " + node.Name + " Min Long greater than Max Long.");
}

}  // namespace

bool SortCountryList(std::vector<CountryClass>& list) {
    bool changed = SortLevel(list);
    for (CountryClass& country : list) {
        changed = SortLevel(country.Children) || changed;
        for (CountryClass& state : country.Children) changed = SortLevel(state.Children) || changed;
    }
    return changed;
}

std::string CountryListText(const std::vector<CountryClass>& list) {
    std::string out;
    for (const CountryClass& country : list) {
        AppendEntry(out, country);
        for (const CountryClass& state : country.Children) {
            if (IsPlaceholderState(state)) continue;
            out += '\t';
            AppendEntry(out, state);
            for (const CountryClass& county : state.Children) {
                out += ',';
                AppendEntry(out, county);
            }
        }
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> RegionBoundsNotes(const std::vector<CountryClass>& list) {
    std::vector<std::string> notes;
    for (const CountryClass& country : list) {
        NoteBounds(notes, country);
        for (const CountryClass& state : country.Children) {
            NoteBounds(notes, state);
            for (const CountryClass& county : state.Children) NoteBounds(notes, county);
        }
    }
    return notes;
}

}  // namespace quorl
