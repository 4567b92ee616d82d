#pragma once
// The main window "QUORL" as data: every control with its name, Tag, kind, caption, group box and
// design geometry, in component order; the rows of the eight user-defined fields; the layout of
// those rows; and the record of design positions that resizing scales from.
#include <string>

namespace quorl {

class Form;
class Session;

// The label window: the rich-text box that holds the label being worked on.
constexpr const char* kLabelWindow = "RichEdit1";

// Tags that no field range covers.
constexpr int kPrefixEditTag = 90, kSuffixEditTag = 91, kPrefixButtonTag = 190, kSuffixButtonTag = 191;
constexpr int kImageNameEditTag = 95, kFontGroupTag = 99, kUserEditTag = 47, kUserLabelTag = 147,
              kImageNumLabelTag = 195;

// Adds every design-time control of the main window to an empty Form (not the user-field rows).
void BuildMainForm(Form& form);

// Names of the user-defined field controls: CustomEdit0..7 (Tags 30-37) and CustomButton0..7
// (Tags 130-137).
std::string CustomEditName(int j);
std::string CustomButtonName(int j);

// Adds the eight user-defined field rows below the Range row.
void CreateCustomFieldControls(Form& form);

// Shows the rows of the user-defined fields that FieldDefinitions holds, hides the others and moves
// the notes field below the last row used.
void SetupCustomFields(Session& s);

// Records the design position of every control placed on the main window (and of the children of
// its group boxes), and the window's design size.
void RecordControlPositions(Session& s);

// The control of a field number for reading and writing its value (for fields 17 and 18 the first
// of their controls); nullptr for a number that is no field.
const char* FieldControlName(int field);

}  // namespace quorl
