#pragma once
// The cascading lists of the main window: family > genus > species composed into the scientific
// name, and country > state > county from CountryList. Each list is filled from the one above it
// and a genus, species, state or county is picked from the label lines.
#include <string_view>

namespace quorl {

class Session;

// Genera of the chosen family; genus and species picked from the first part of the label.
void FillGenusCombo(Session& s);
// Species of the chosen genus; a species picked from the label; the scientific name.
void FillSpeciesCombo(Session& s);
// States of the chosen country; the longest state named in the label is picked.
void FillStateCombo(Session& s);

// Change handlers of the lists and of the edits that compose the scientific name.
void FamilyComboChange(Session& s);
void GenusComboChange(Session& s);
void SpeciesComboChange(Session& s);
void SubSpEditChange(Session& s);
void ScientificNameEditChange(Session& s);
void CountryComboChange(Session& s);
// Counties of the chosen state; the longest county named in the label is picked.
void StateComboChange(Session& s);

// Binds the handlers above to the Form's controls (FamilyCombo, GenusCombo, SpeciesCombo,
// RankCombo, SubSpEdit, ScientificNameEdit, CountryCombo, StateCombo).
void BindCascadingLists(Session& s);
// True for the controls BindCascadingLists gives a handler.
bool IsCascadingListControl(std::string_view name);

}  // namespace quorl
