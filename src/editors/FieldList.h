#pragma once
// The field definitions editor's working copy: one row of texts per field definition, as the
// table shows them, with the popup's rules, adding and deleting user-defined fields, and Save,
// which turns the rows back into FieldDefinitions and keeps the output formats in step.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Dialogs;
class Session;

struct FieldRow {
    std::string Name;
    std::string Preserve;  // "Yes" or "No"
    std::string Warn;      // "Yes" or "No"
    std::string Default;
    std::string Min;
    std::string Max;
    std::string StartWords;
    std::string ContainWords;
    // The field number the row was filled from; -1 for a field added since.
    int Origin = -1;
};

// One row per definition, in field-number order.
std::vector<FieldRow> FieldListRows(const std::vector<LabelFieldClass>& fields);

// Which popup items are enabled and checked for a selected row (-1 for none).
struct FieldPopupState {
    bool preserveEnabled = false, preserveChecked = false;
    bool warnEnabled = false, warnChecked = false;
    bool addEnabled = false;
    bool deleteEnabled = false;
    bool editEnabled = false;
};
FieldPopupState FieldPopup(const std::vector<FieldRow>& rows, int selected);

// "Yes" becomes "No", anything else "Yes".
void ToggleYesNo(std::string& text);

// Asks for the name of a new field and appends its row (Min 1, Max 50, flags "No"). Returns the
// new row's index, or -1 when the user cancels, the table is full or the name is refused (empty,
// or holding a TAB, a line break or a comma).
int AddField(Dialogs& d, std::vector<FieldRow>& rows);
// Removes a user-defined field's row; built-in rows stay. True when a row went.
bool DeleteField(std::vector<FieldRow>& rows, int row);

// Save: FieldDefinitions from the rows, FieldDefinitions.txt, the output-format files (columns of
// deleted user fields removed, later ones renumbered, new user fields given a column), the output
// format reloaded when a file changed, and the main window's user-field rows laid out again. The
// files are replaced together; when one cannot be written the user is told, nothing changes and
// false is returned. When the definitions file could not all be read and no row was changed,
// nothing is written and the user is told so.
bool ApplyFieldListChanges(Session& s, const std::vector<FieldRow>& rows);

}  // namespace quorl
