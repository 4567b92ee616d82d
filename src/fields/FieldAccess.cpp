#include "fields/FieldAccess.h"

#include <algorithm>

#include "base/ParseText.h"
#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/CascadingLists.h"
#include "fields/FieldValues.h"
#include "fields/Trace.h"
#include "model/Log.h"
#include "model/MainForm.h"
#include "model/Session.h"

namespace quorl {

namespace {

bool HoldsValue(const Control& c) {
    return c.kind == ControlKind::Edit || c.kind == ControlKind::Memo || c.kind == ControlKind::Combo;
}

bool IsFieldTag(const Session& s, int tag) {
    return tag >= 0 && tag < static_cast<int>(s.FieldDefinitions.size());
}

// The collection number's prefix and suffix: no fields of their own, cleared with the fields.
const char* const kNumberAffixBoxes[] = {"PrefixEdit", "SuffixEdit"};

}  // namespace

std::string FieldName(int field) {
    return field >= 0 && field < kFieldNameCount ? FieldNames[static_cast<size_t>(field)] : std::string();
}

LabelFieldClass* FindFieldDefinition(Session& s, int field) {
    if (field < 0 || field >= static_cast<int>(s.FieldDefinitions.size())) return nullptr;
    return &s.FieldDefinitions[static_cast<size_t>(field)];
}

Control* FieldControl(Session& s, int field) {
    for (const auto& c : s.form.Controls())
        if (c->tag == field && HoldsValue(*c)) return c.get();
    return nullptr;
}

std::string GetFieldText(Session& s, int field) {
    Control* c = FieldControl(s, field);
    return c ? c->text : std::string();
}

void SetFieldText(Session& s, int field, const std::string& text, bool append) {
    std::string value = text;
    if (field == fFamily || field == fGenus) {
        value = LowerCase(value);
        if (!value.empty() && value[0] >= 'a' && value[0] <= 'z') value[0] = static_cast<char>(value[0] - 'a' + 'A');
    }
    if (Control* c = FieldControl(s, field)) {
        std::string name = c->name;
        std::string full = append ? c->text + " " + value : value;
        s.form.SetText(name, Trim(full));
        WriteToLog(s, {"-->Fill ", FieldName(field), " with ", full});
        if (Control* after = s.form.Find(name); after && !after->text.empty()) s.form.SetColor(name, kColorWindow);
    }
    if (LabelFieldClass* d = FindFieldDefinition(s, field)) d->FoundLine = s.parser.CurrentLine;
    s.parser.SetOwner(s.parser.CurrentLine, field);
}

void SelectFieldComboItem(Session& s, int field, int index, int line) {
    if (line >= 0) {
        if (LabelFieldClass* d = FindFieldDefinition(s, field)) d->FoundLine = line;
        s.parser.SetOwner(line, field);
    }
    std::string item;
    if (Control* c = FieldControl(s, field)) {
        s.form.SetItemIndex(c->name, index);
        item = c->text;
    }
    WarnIfEmpty(s, field);
    if (line >= 0)
        TraceAppend(s, field, "Found \"" + item + " in \"" + s.parser.Line(line) + "\"\r\n.");
    else
        TraceAppend(s, field, "Found \"" + item + " as Default or Preserved\r\n.");
}

void ClearFields(Session& s) {
    for (const auto& cp : s.form.Controls()) {
        Control& c = *cp;
        if (!IsFieldTag(s, c.tag) || !HoldsValue(c)) continue;
        const LabelFieldClass& d = s.FieldDefinitions[static_cast<size_t>(c.tag)];
        s.form.SetColor(c.name, kColorWindow);
        if (!d.Preserve) {
            s.form.SetText(c.name, "");
        } else if (!d.Default.empty()) {
            s.form.SetText(c.name, d.Default);
            s.form.SetColor(c.name, kColorSilver);
        }
    }
    for (const char* name : kNumberAffixBoxes)
        SetBoxText(s, name, "");

    auto selectByText = [&](const char* comboName, auto names) {
        Control* combo = s.form.Find(comboName);
        if (!combo) return;
        size_t n = std::min(combo->items.size(), names.size());
        for (size_t i = 0; i < n; ++i)
            if (combo->text == names[i]) {
                s.form.SetItemIndex(comboName, static_cast<int>(i));
                break;
            }
    };
    if (const LabelFieldClass* d = FindFieldDefinition(s, fFamily); d && !d->Default.empty()) {
        std::vector<std::string> names;
        for (const auto& f : s.PlantList) names.push_back(f.Name);
        selectByText("FamilyCombo", names);
        FillGenusCombo(s);
    }
    if (const LabelFieldClass* d = FindFieldDefinition(s, fCountry); d && !d->Default.empty()) {
        std::vector<std::string> names;
        for (const auto& c : s.CountryList) names.push_back(c.Name);
        selectByText("CountryCombo", names);
        FillStateCombo(s);
    }
    if (s.form.Find("ImageNameEdit")) s.form.SetColor("ImageNameEdit", kColorWindow);
}

bool ClearedFieldsChangedSince(const Session& s, uint64_t mark) {
    for (const auto& c : s.form.Controls()) {
        if (c->textChange <= mark) continue;
        const auto isBox = [&c](const char* box) { return c->name == box; };
        if (IsFieldTag(s, c->tag) ? HoldsValue(*c) && !s.FieldDefinitions[static_cast<size_t>(c->tag)].Preserve
                                  : std::ranges::any_of(kNumberAffixBoxes, isBox))
            return true;
    }
    return false;
}

bool ApplyFieldDefault(Session& s, int field) {
    const LabelFieldClass* d = FindFieldDefinition(s, field);
    if (!d) return false;
    if (!d->Default.empty()) {
        s.parser.CurrentLine = 0;
        SetFieldText(s, field, d->Default, false);
        return true;
    }
    return d->Preserve && !GetFieldText(s, field).empty();
}

void FillByStartOrContainedWord(Session& s, int field) {
    const LabelFieldClass* d = FindFieldDefinition(s, field);
    if (!d) return;
    if (!d->Default.empty()) {
        TraceAppend(s, field, "Setting to default: \"" + d->Default + "\".\r\n");
        SetFieldText(s, field, d->Default, false);
        return;
    }
    if (d->Preserve && !GetFieldText(s, field).empty()) return;
    const std::vector<std::string> lines = s.parser.LabelChunks;  // filling may change the table
    for (const std::string& w : CutWordList(d->StartWords)) {
        if (w.empty()) continue;
        for (const std::string& line : lines) {
            if (!StartsWithNoCase(line, w)) continue;
            std::string value = ReplaceAll(line, w, "");
            // "barcode:QZV 1" read with the start word "barcode": the colon went with the word.
            if (value != line) value.erase(0, value.find_first_not_of(" :.;"));
            value = Trim(value);
            WriteToLog(s, {"Found Unique Start Word: ", w});
            SetFieldText(s, field, value, false);
            TraceAppend(s, field, "\"" + line + "\" starts with StartWord \"" + w + "\".\r\n");
            return;
        }
    }
    for (const std::string& w : CutWordList(d->ContainedWords)) {
        for (const std::string& line : lines) {
            if (PosNoCase(w, line) == 0) continue;
            WriteToLog(s, {"Found Unique Word ", w});
            TraceAppend(s, field, "\"" + line + "\" contains Word \"" + w + "\".\r\n");
            SetFieldText(s, field, Trim(line), false);
            return;
        }
    }
}

std::string RemoveStartWord(Session& s, int field, const std::string& text) {
    std::string t = text;
    if (const LabelFieldClass* d = FindFieldDefinition(s, field)) {
        for (const std::string& w : CutWordList(d->StartWords)) {
            if (w.empty()) continue;
            if (t.size() > w.size() && IsAsciiLetter(static_cast<unsigned char>(t[w.size()]))) continue;
            if (!StartsWithNoCase(t, w)) continue;
            t.erase(0, std::min(w.size(), t.size()));
            t.erase(0, t.find_first_not_of(":.;"));
            TraceAppend(s, field, "Removing start word \"" + w + "\".\r\n");
            break;
        }
    }
    return CleanFieldText(t);
}

std::string CleanFieldText(const std::string& text) {
    std::string t = Trim(text);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 32 || c == '|') c = ' ';
    std::erase(t, '^');
    while (!t.empty() && t.back() == ',') t.pop_back();
    size_t k = 0;
    while (k < t.size() && (t[k] == '\'' || t[k] == ' ' || t[k] == '.' || t[k] == ',' || t[k] == ':')) ++k;
    return Trim(std::string_view(t).substr(k));
}

bool WarnIfEmpty(Session& s, int field) {
    bool result = true;
    for (const auto& cp : s.form.Controls()) {
        Control& c = *cp;
        if (!IsFieldTag(s, c.tag) || (field != -1 && c.tag != field)) continue;
        const LabelFieldClass& d = s.FieldDefinitions[static_cast<size_t>(c.tag)];
        if (c.kind == ControlKind::Edit || c.kind == ControlKind::Combo) {
            s.form.SetColor(c.name, kColorWindow);
            if (!d.Default.empty()) {
                s.form.SetColor(c.name, kColorSilver);
                if (c.text.empty()) s.form.SetText(c.name, d.Default);
                if (c.text != d.Default) {
                    s.form.SetText(c.name, d.Default);
                    s.form.SetColor(c.name, kColorYellow);
                }
            }
            if (d.WarnIfEmpty && c.text.empty()) {
                s.form.SetColor(c.name, kColorRed);
                result = false;
            }
        } else if (c.kind == ControlKind::Memo) {
            if (d.WarnIfEmpty && c.text.empty()) {
                s.form.SetColor(c.name, kColorRed);
                result = false;
            } else {
                s.form.SetColor(c.name, kColorWindow);
            }
        }
    }
    const Control* genus = s.form.Find("GenusCombo");
    const Control* species = s.form.Find("SpeciesCombo");
    const Control* name = s.form.Find("ScientificNameEdit");
    if (genus && species && name && genus->items.size() > 1 && species->items.size() > 1 &&
        (PosNoCase(genus->text, name->text) == 0 || PosNoCase(species->text, name->text) == 0))
        s.form.SetColor("ScientificNameEdit", kColorYellow);
    return result;
}

void WarnEmpty(Session& s) {
    Control* c = s.form.focused.empty() ? nullptr : s.form.Find(s.form.focused);
    if (!c) return;
    if (c->tag == kImageNameEditTag)
        s.form.SetColor(c->name, c->text.empty() ? kColorRed : kColorWindow);
    else
        WarnIfEmpty(s, c->tag);
}

int FindLineWithMostWords(Session& s, const std::string& text) {
    std::vector<std::string> items = SplitCommaText(ReplaceAll(text, " ", ","));
    if (items.size() < 2) return -1;
    int best = -1;
    size_t bestCount = 0;
    for (int i = 0; i < s.parser.LineCount(); ++i) {
        const std::string& line = s.parser.Line(i);
        if (line.empty()) continue;
        size_t count = 0;
        for (const std::string& w : items)
            if (!w.empty() && Contains(line, w)) ++count;
        if (best < 0 || count > bestCount) {
            best = i;
            bestCount = count;
        }
    }
    if (best >= 0 && static_cast<double>(bestCount) / static_cast<double>(items.size()) > 0.3) return best;
    return -1;
}

}  // namespace quorl
