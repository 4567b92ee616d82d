#pragma once
// The country list editor: three linked lists (countries, the states of the selected country, the
// counties of the selected state) over the Session's CountryList, the boxes of the selected places,
// adding, deleting and renaming places, and saving the list to CountryList.txt. Changes go into
// CountryList at once; closing without saving reloads the file.
#include <array>
#include <string>
#include <vector>

namespace quorl {

class Session;
struct CountryClass;

enum class PlaceLevel { Country = 0, State = 1, County = 2 };

// Which items of the lists' popup menu can be used.
struct PlacePopupItems {
    bool add = false;
    bool remove = false;
    bool edit = false;
};

class CountryEditor {
public:
    explicit CountryEditor(Session& s) : s_(s) {}

    // "Edit Countries": nothing selected, nothing to save.
    void Open();

    // The names the list of that level shows, in CountryList order.
    std::vector<std::string> Names(PlaceLevel level) const;
    // Selecting a place clears the selection of the levels below it. -1 selects nothing.
    void Select(PlaceLevel level, int index);
    int Selected(PlaceLevel level) const;
    // The selected place of that level (nullptr when there is none).
    const CountryClass* Place(PlaceLevel level) const;

    // The four bound fields of a level's column (Min Lat, Max Lat, Min Long, Max Long): the selected
    // place's box, or four empty texts when there is no place or no box.
    std::array<std::string, 4> BoundsText(PlaceLevel level) const;
    // The user typed text into the bound field of that column and row (0-3): the value (0 when the
    // text is not a number) goes into the selected place and Save is enabled. False when the
    // column has no selected place: nothing is stored and the field is to be emptied.
    bool StoreBound(PlaceLevel level, int row, const std::string& text);

    PlacePopupItems PopupItems(PlaceLevel level) const;
    // "Add Item", "Delete Item", "Edit Item" on the list of that level; true when the list changed.
    // Names holding "(", ")", ",", "/", a TAB or a line break, and empty names, are refused with a
    // message: the file uses those characters to separate places and boxes.
    bool AddItem(PlaceLevel level);
    bool DeleteItem(PlaceLevel level);
    bool EditItem(PlaceLevel level);

    // "Save": every level sorted, notes for inverted boxes, CountryList.txt replaced. False (Save
    // stays enabled) when the file could not be written, or when its load left lines unread and
    // the user does not want it written without them. Sorting clears the selection.
    bool Save();
    // "Close": with unsaved changes asks "Exit without saving?"; false when the user keeps the
    // window. Otherwise CountryList is reloaded from the file.
    bool Close();

    bool SaveEnabled() const { return saveEnabled_; }
    void MarkChanged() { saveEnabled_ = true; }

private:
    CountryClass* MutablePlace(PlaceLevel level);
    std::vector<CountryClass>* Siblings(PlaceLevel level);
    bool AcceptName(std::string& name);
    void SortAndRefresh(PlaceLevel level);

    Session& s_;
    std::array<int, 3> selected_{-1, -1, -1};
    bool saveEnabled_ = false;
};

}  // namespace quorl
