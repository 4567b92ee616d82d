#include "editors/CountryEditor.h"

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "editors/CountryListFile.h"
#include "editors/ForbiddenCharacters.h"
#include "model/Files.h"
#include "model/Records.h"
#include "model/ReferenceLists.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace {

constexpr std::string_view kNameSeparators = "(),/\t\r\n";

int Index(PlaceLevel level) { return static_cast<int>(level); }

float CountryClass::*const kBounds[4] = {&CountryClass::MinLat, &CountryClass::MaxLat, &CountryClass::MinLong,
                                         &CountryClass::MaxLong};

}  // namespace

void CountryEditor::Open() {
    saveEnabled_ = false;
    selected_ = {-1, -1, -1};
}

std::vector<CountryClass>* CountryEditor::Siblings(PlaceLevel level) {
    std::vector<CountryClass>* list = &s_.CountryList;
    for (int l = 0; l < Index(level); ++l) {
        const int i = selected_[l];
        if (i < 0 || i >= static_cast<int>(list->size())) return nullptr;
        list = &(*list)[i].Children;
    }
    return list;
}

CountryClass* CountryEditor::MutablePlace(PlaceLevel level) {
    std::vector<CountryClass>* list = Siblings(level);
    const int i = selected_[Index(level)];
    if (!list || i < 0 || i >= static_cast<int>(list->size())) return nullptr;
    return &(*list)[i];
}

const CountryClass* CountryEditor::Place(PlaceLevel level) const {
    return const_cast<CountryEditor*>(this)->MutablePlace(level);
}

std::vector<std::string> CountryEditor::Names(PlaceLevel level) const {
    std::vector<std::string> names;
    if (const auto* list = const_cast<CountryEditor*>(this)->Siblings(level)) {
        names.reserve(list->size());
        for (const CountryClass& c : *list) names.push_back(c.Name);
    }
    return names;
}

void CountryEditor::Select(PlaceLevel level, int index) {
    selected_[Index(level)] = index;
    for (int l = Index(level) + 1; l < 3; ++l) selected_[l] = -1;
}

int CountryEditor::Selected(PlaceLevel level) const { return selected_[Index(level)]; }

std::array<std::string, 4> CountryEditor::BoundsText(PlaceLevel level) const {
    std::array<std::string, 4> texts;
    const CountryClass* place = Place(level);
    if (!place || !place->HasBox()) return texts;
    for (int row = 0; row < 4; ++row) texts[row] = FormatRegionBound(place->*kBounds[row]);
    return texts;
}

bool CountryEditor::StoreBound(PlaceLevel level, int row, const std::string& text) {
    CountryClass* place = MutablePlace(level);
    if (!place || row < 0 || row > 3) return false;
    float value = 0;
    if (auto v = TryStrToFloat(text); v && std::isfinite(static_cast<float>(*v))) value = static_cast<float>(*v);
    place->*kBounds[row] = value;
    saveEnabled_ = true;
    return true;
}

PlacePopupItems CountryEditor::PopupItems(PlaceLevel level) const {
    PlacePopupItems items;
    items.remove = items.edit = Place(level) != nullptr;
    items.add = level == PlaceLevel::Country || Place(static_cast<PlaceLevel>(Index(level) - 1)) != nullptr;
    return items;
}

bool CountryEditor::AcceptName(std::string& name) {
    name = Trim(name);
    if (name.empty()) {
        s_.dialogs.ShowMessage("A place needs a name.");
        return false;
    }
    if (auto bad = FirstForbiddenCharacter(name, kNameSeparators)) {
        s_.dialogs.ShowMessage("A place name may not hold " + *bad + ".");
        return false;
    }
    return true;
}

void CountryEditor::SortAndRefresh(PlaceLevel level) {
    std::vector<CountryClass>* list = Siblings(level);
    if (list) std::stable_sort(list->begin(), list->end(), AnsiStringLess);
    // The list of that level is filled again: nothing is selected in it or below it.
    for (int l = Index(level); l < 3; ++l) selected_[l] = -1;
    saveEnabled_ = true;
}

bool CountryEditor::AddItem(PlaceLevel level) {
    std::vector<CountryClass>* list = Siblings(level);
    if (!list || !PopupItems(level).add) return false;
    std::string name;
    if (!s_.dialogs.InputBox("Add Item", "Enter the name", name) || !AcceptName(name)) return false;
    CountryClass place;
    place.Name = name;
    list->push_back(std::move(place));
    SortAndRefresh(level);
    return true;
}

bool CountryEditor::DeleteItem(PlaceLevel level) {
    const CountryClass* place = Place(level);
    if (!place) return false;
    std::string question;
    switch (level) {
        case PlaceLevel::Country: question = "Delete Country " + place->Name + "?"; break;
        case PlaceLevel::State:
            question = "Delete " + place->Name + " from " + Place(PlaceLevel::Country)->Name + "?";
            break;
        case PlaceLevel::County:
            question = "Delete " + place->Name + " from " + Place(PlaceLevel::State)->Name + ", " +
                       Place(PlaceLevel::Country)->Name + "?";
            break;
    }
    if (s_.dialogs.Ask(question, DialogKind::Confirmation, {DialogButton::Yes, DialogButton::Cancel}) !=
        DialogButton::Yes)
        return false;
    std::vector<CountryClass>* list = Siblings(level);
    list->erase(list->begin() + selected_[Index(level)]);
    SortAndRefresh(level);
    return true;
}

bool CountryEditor::EditItem(PlaceLevel level) {
    CountryClass* place = MutablePlace(level);
    if (!place) return false;
    std::string name = place->Name;
    if (!s_.dialogs.InputBox("Edit Item", "Name", name) || !AcceptName(name)) return false;
    place->Name = name;
    SortAndRefresh(level);
    return true;
}

bool CountryEditor::Save() {
    const std::filesystem::path file = s_.ProgramFile("CountryList.txt");
    if (!ConfirmDropUnreadLines(s_, file)) return false;
    if (SortCountryList(s_.CountryList)) selected_ = {-1, -1, -1};
    for (const std::string& note : RegionBoundsNotes(s_.CountryList)) s_.dialogs.ShowMessage(note);
    // A failed write has been reported; Save stays enabled.
    if (!WriteStringToFile(s_, CountryListText(s_.CountryList), file, true))
        return false;
    saveEnabled_ = false;
    return true;
}

bool CountryEditor::Close() {
    if (saveEnabled_ && s_.dialogs.Ask("Exit without saving?", DialogKind::Confirmation,
                                       {DialogButton::Yes, DialogButton::Cancel}) != DialogButton::Yes)
        return false;
    selected_ = {-1, -1, -1};
    saveEnabled_ = false;
    LoadCountryList(s_);
    return true;
}

}  // namespace quorl
