#include "editors/FieldList.h"

#include "base/Dialogs.h"
#include "base/NumberRange.h"
#include "base/Text.h"
#include "editors/TypedTextRules.h"
#include "editors/UserFieldColumns.h"
#include "model/FieldDefinitionsFile.h"
#include "model/Files.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/Session.h"

namespace quorl {

namespace {

const char* YesNo(bool b) { return b ? "Yes" : "No"; }

}  // namespace

std::vector<FieldRow> FieldListRows(const std::vector<LabelFieldClass>& fields) {
    std::vector<FieldRow> rows;
    rows.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const LabelFieldClass& f = fields[i];
        rows.push_back({f.Name, YesNo(f.Preserve), YesNo(f.WarnIfEmpty), f.Default, IntToStr(f.Minimum),
                        IntToStr(f.Maximum), f.StartWords, f.ContainedWords, static_cast<int>(i)});
    }
    return rows;
}

FieldPopupState FieldPopup(const std::vector<FieldRow>& rows, int selected) {
    FieldPopupState p;
    p.addEnabled = rows.size() < static_cast<size_t>(kMaxFields);
    if (selected < 0 || selected >= static_cast<int>(rows.size())) return p;
    const FieldRow& r = rows[selected];
    p.preserveEnabled = p.warnEnabled = p.editEnabled = true;
    p.deleteEnabled = selected >= kBuiltInFields;
    p.preserveChecked = r.Preserve == "Yes";
    p.warnChecked = r.Warn == "Yes";
    return p;
}

void ToggleYesNo(std::string& text) { text = text == "Yes" ? "No" : "Yes"; }

int AddField(Dialogs& d, std::vector<FieldRow>& rows) {
    if (rows.size() >= static_cast<size_t>(kMaxFields)) return -1;
    std::string name;
    if (!d.InputBox("New Field", "Enter Field Name", name)) return -1;
    if (!AcceptTypedText(d, "A field name", name, true, false)) return -1;
    rows.push_back({name, "No", "No", "", "1", "50", "", "", -1});
    return static_cast<int>(rows.size()) - 1;
}

bool DeleteField(std::vector<FieldRow>& rows, int row) {
    if (row < kBuiltInFields || row >= static_cast<int>(rows.size())) return false;
    rows.erase(rows.begin() + row);
    return true;
}

bool ApplyFieldListChanges(Session& s, const std::vector<FieldRow>& rows) {
    // Where each user field of the definitions in use goes: its row's index, or -1 when deleted.
    // The output formats are renumbered from this table, not by shifting every line that follows a
    // removed column by one: such a shift would also move the numbers of built-in fields whose lines
    // come after a user field's line, and would drop every line whose label is no field name. The
    // table renumbers DarwinCSV.txt too, so that its user-field columns stay with their fields.
    std::vector<int> renumber(s.FieldDefinitions.size(), -1);
    for (size_t i = 0; i < renumber.size() && i < static_cast<size_t>(kBuiltInFields); ++i)
        renumber[i] = static_cast<int>(i);
    for (size_t k = 0; k < rows.size(); ++k)
        if (rows[k].Origin >= 0 && rows[k].Origin < static_cast<int>(renumber.size()))
            renumber[rows[k].Origin] = static_cast<int>(k);

    std::vector<LabelFieldClass> fields;
    for (const FieldRow& r : rows) {
        LabelFieldClass f;
        f.Name = r.Name;
        f.Preserve = r.Preserve == "Yes";
        f.WarnIfEmpty = r.Warn == "Yes";
        f.Default = r.Default;
        f.Minimum = ClampFieldLineLimit(TryStrToInt(r.Min).value_or(0));
        f.Maximum = ClampFieldLineLimit(TryStrToInt(r.Max).value_or(50));
        f.StartWords = r.StartWords;
        f.ContainedWords = r.ContainWords;
        fields.push_back(std::move(f));
    }

    // A file whose definitions could not all be read is written only with the user's changes:
    // written back unchanged, the defaults that stand for its damaged lines would be for good.
    const std::filesystem::path definitions = s.UserFile("FieldDefinitions.txt");
    if (s.UnreadLines.contains(definitions) &&
        FieldDefinitionsText(fields, s.FileFormatVersion) == FieldDefinitionsText(s)) {
        s.dialogs.ShowMessage(definitions.string() + " was not written: its definitions could not all be read, "
                                                     "and none of them was changed.");
        return true;
    }

    // The definitions and the output formats name the same fields by number, so they are replaced
    // together: all are written before any replaces its file, and a file that cannot be written
    // leaves every file, and the definitions in use, as they were. The definitions go last, so
    // that an end between the renames leaves formats ahead of the definitions, which the start
    // reports.
    std::vector<FileReplacement> files = UserFieldColumnFiles(s, renumber, fields);
    const bool formatsChanged = !files.empty();
    files.push_back({definitions, FieldDefinitionsText(fields, s.FileFormatVersion)});
    if (!WriteFilesTogether(s, files)) return false;

    s.FieldDefinitions = std::move(fields);
    if (formatsChanged) LoadOutputFormat(s);
    SetupCustomFields(s);
    return true;
}

}  // namespace quorl
