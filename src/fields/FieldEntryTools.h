#pragma once
// Tools for correcting the fields by hand: the paste buttons and user-field buttons that copy the
// label window's selection into a field, the twelve tool buttons of the prefix, suffix,
// coordinate and elevation edits, the field popup menu, and the change handlers that colour the
// field controls. Controls are named by their Form names.
#include <string>

namespace quorl {

class Session;

// The label window's selection, cleaned like any field text.
std::string SelectedLabelText(const Session& s);

// A paste button (Tag 100 + field) writes the selection into its field. Buttons whose Tag names
// no field do nothing.
void PasteSelectionButtonClick(Session& s, const std::string& button);

// A user-field button (CustomButton0..7) writes the selection into its field 30..37.
void CustomButtonOnClick(Session& s, const std::string& button);

// The tool buttons (PrefixButton, SuffixButton, LatDegButton ... ElevHighFeetButton) write the
// selection into their edit and log it. Returns false for a name that is no tool button.
bool ToolButtonClick(Session& s, const std::string& button);
bool IsToolButton(const std::string& button);

// State of the field popup menu.
struct FieldPopupMenu {
    bool editItemsVisible = false;  // "Insert at Beginning", "Overwrite", "Append at end"
    bool warnChecked = false;       // "Warn if Empty"
    bool preserveChecked = false;   // "Preserve"
};

// The popup menu opens on a control: the three text items are shown only with a selection in the
// label window and a control that is no list; the switches show the flags of a built-in field
// (other controls leave them as they were).
void PopupMenu1Popup(Session& s, const std::string& control, FieldPopupMenu& menu);

enum class PopupPlacement { InsertAtBeginning, Overwrite, AppendAtEnd };
// The selection into an edit or memo: before its text, instead of it, or after it (with a blank
// between). Other controls are left alone.
void PopupSelectionInto(Session& s, const std::string& control, PopupPlacement where);

// "Warn if Empty" and "Preserve": invert the flag of the control's built-in field in memory.
void Required1Click(Session& s, const std::string& control);
void Preserve1Click(Session& s, const std::string& control);

// Change handler of the collector, determiner and date edits: the focused edit or memo turns
// white when filled, red when empty and its field must not be empty.
void CollectorEditChange(Session& s);

// Binds the change handlers of the field controls: the cascading lists, CollectorEditChange, and
// the warn colouring (WarnEmpty) of the other field edits and memos, NSCombo, EWCombo,
// ImageNameEdit and UserEdit.
void BindFieldChangeHandlers(Session& s);

// The label window's selected text as it stands (the Form keeps the selection).
std::string LabelWindowSelection(const Session& s);

}  // namespace quorl
