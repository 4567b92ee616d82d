#include "fields/FieldEntryTools.h"

#include <array>

#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "model/Log.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "model/Session.h"

namespace quorl {

namespace {

struct ToolButton {
    const char* button;
    const char* edit;
    const char* logPrefix;
};

constexpr std::array<ToolButton, 12> kToolButtons{{
    {"PrefixButton", "PrefixEdit", "-->Manual Prefix with "},
    {"SuffixButton", "SuffixEdit", "-->Manual Suffix with "},
    {"LatDegButton", "LatDegreesEdit", "-->Manual LatDegrees with "},
    {"LatMinButton", "LatMinutesEdit", "-->Manual LatMinutes with "},
    {"LatSecButton", "LatSecondsEdit", "-->Manual LatSeconds with "},
    {"LongDegButton", "LongDegreesEdit", "-->Manual LongDegrees with "},
    {"LongMinButton", "LongMinutesEdit", "-->Manual LongMinutes with "},
    {"LongSecButton", "LongSecondsEdit", "-->Manual LongSeconds with "},
    {"ElevLowMetersButton", "ElevMetersLowEdit", "-->Manual ElevMetersLow with "},
    {"ElevLowFeetButton", "ElevFeetLowEdit", "-->Manual ElevFeetLow with "},
    {"ElevHighMetersButton", "ElevMetersHighEdit", "-->Manual ElevMetersHigh with "},
    {"ElevHighFeetButton", "ElevFeetHighEdit", "-->Manual ElevFeetHigh with "},
}};

// The controls whose change colours them white or red by CollectorEditChange.
constexpr std::array<const char*, 3> kCollectorStyleEdits{"CollectorEdit", "DeterminedByEdit", "CollectionDateEdit"};

bool IsField(int tag) { return tag >= 0 && tag < kMaxFields; }

// The definition of a built-in field shown by the popup switches; nullptr for any other Tag.
LabelFieldClass* SwitchableField(Session& s, const Control& c) {
    return c.tag >= 0 && c.tag < kBuiltInFields ? FindFieldDefinition(s, c.tag) : nullptr;
}

bool IsEditOrMemo(const Control& c) { return c.kind == ControlKind::Edit || c.kind == ControlKind::Memo; }

template <size_t N>
bool OneOf(const std::array<const char*, N>& names, const std::string& name) {
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

}  // namespace

std::string SelectedLabelText(const Session& s) { return CleanFieldText(LabelWindowSelection(s)); }

void PasteSelectionButtonClick(Session& s, const std::string& button) {
    const Control* c = s.form.Find(button);
    if (!c) return;
    const int field = c->tag - kPasteButtonTagBase;
    if (!IsField(field)) return;
    WriteToLog(s, "->Manual Entry:");
    SetFieldText(s, field, SelectedLabelText(s), false);
}

void CustomButtonOnClick(Session& s, const std::string& button) {
    for (int i = 0; i < kMaxFields - kBuiltInFields; ++i) {
        if (button != CustomButtonName(i) || !s.form.Find(button)) continue;
        s.parser.CurrentLine = 0;
        SetFieldText(s, kBuiltInFields + i, SelectedLabelText(s), false);
        return;
    }
}

bool ToolButtonClick(Session& s, const std::string& button) {
    for (const ToolButton& t : kToolButtons) {
        if (button != t.button) continue;
        if (!s.form.Find(t.edit)) return false;
        const std::string text = SelectedLabelText(s);
        s.form.SetText(t.edit, text);
        WriteToLog(s, t.logPrefix + text);
        return true;
    }
    return false;
}

bool IsToolButton(const std::string& button) {
    for (const ToolButton& t : kToolButtons)
        if (button == t.button) return true;
    return false;
}

void PopupMenu1Popup(Session& s, const std::string& control, FieldPopupMenu& menu) {
    Control* c = s.form.Find(control);
    const Control* label = s.form.Find("RichEdit1");
    menu.editItemsVisible = c && label && label->selLength > 0 && c->kind != ControlKind::Combo;
    if (!c) return;
    if (const LabelFieldClass* d = SwitchableField(s, *c)) {
        menu.warnChecked = d->WarnIfEmpty;
        menu.preserveChecked = d->Preserve;
    }
}

void PopupSelectionInto(Session& s, const std::string& control, PopupPlacement where) {
    const Control* c = s.form.Find(control);
    if (!c || !IsEditOrMemo(*c)) return;
    const std::string selection = SelectedLabelText(s);
    std::string text;
    switch (where) {
        case PopupPlacement::InsertAtBeginning: text = selection + " " + c->text; break;
        case PopupPlacement::Overwrite: text = selection; break;
        case PopupPlacement::AppendAtEnd: text = c->text + " " + selection; break;
    }
    s.form.SetText(control, text);
}

void Required1Click(Session& s, const std::string& control) {
    const Control* c = s.form.Find(control);
    if (LabelFieldClass* d = c ? SwitchableField(s, *c) : nullptr) d->WarnIfEmpty = !d->WarnIfEmpty;
}

void Preserve1Click(Session& s, const std::string& control) {
    const Control* c = s.form.Find(control);
    if (LabelFieldClass* d = c ? SwitchableField(s, *c) : nullptr) d->Preserve = !d->Preserve;
}

void CollectorEditChange(Session& s) {
    Control* c = s.form.focused.empty() ? nullptr : s.form.Find(s.form.focused);
    if (!c || !IsEditOrMemo(*c)) return;
    if (!c->text.empty()) {
        s.form.SetColor(c->name, kColorWindow);
        return;
    }
    const LabelFieldClass* d = IsField(c->tag) ? FindFieldDefinition(s, c->tag) : nullptr;
    if (d && d->WarnIfEmpty) s.form.SetColor(c->name, kColorRed);
}

void BindFieldChangeHandlers(Session& s) {
    Form& form = s.form;
    for (const auto& cp : form.Controls()) {
        const Control& c = *cp;
        if (IsCascadingListControl(c.name)) continue;
        if (OneOf(kCollectorStyleEdits, c.name)) {
            form.OnChange(c.name, [&s] { CollectorEditChange(s); });
            continue;
        }
        const bool fieldText = IsEditOrMemo(c) && IsField(c.tag);
        const bool other = c.name == "NSCombo" || c.name == "EWCombo" || c.name == "ImageNameEdit" || c.name == "UserEdit";
        if (fieldText || other) form.OnChange(c.name, [&s] { WarnEmpty(s); });
    }
    BindCascadingLists(s);
}

std::string LabelWindowSelection(const Session& s) {
    const Control* label = s.form.Find(kLabelWindow);
    if (!label || label->selLength <= 0 || label->selStart < 0) return {};
    const size_t start = static_cast<size_t>(label->selStart);
    if (start >= label->text.size()) return {};
    return label->text.substr(start, static_cast<size_t>(label->selLength));
}

}  // namespace quorl
