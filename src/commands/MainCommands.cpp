#include "commands/MainCommands.h"

#include <fstream>

#include "fields/DoubleSpacing.h"
#include "fields/FieldAccess.h"
#include "fields/FieldEntryTools.h"
#include "fields/Trace.h"
#include "model/AutoCorrect.h"
#include "model/Files.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/AutoSplit.h"
#include "parser/FillLabelChunks.h"
#include "records/RecordTakenOut.h"

namespace quorl {

namespace {
constexpr int kLastLayoutTag = 99;
constexpr int kAnalyzeField = fDescription;
}  // namespace

bool ChooseLabelFile(Session& s, std::filesystem::path& chosen) {
    const std::filesystem::path folder = s.OpenDialogFile.empty() ? s.ProgramFolder : s.OpenDialogFile.parent_path();
    if (!s.dialogs.ChooseFile(kTextFileFilter, folder, chosen)) return false;
    s.OpenDialogFile = chosen;
    return true;
}

bool CanReadFile(Session& s, const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_directory(file, ec) && std::ifstream(file, std::ios::binary).is_open()) return true;
    s.dialogs.ShowMessage("Unable to open file: " + file.string());
    return false;
}

void Open1Click(Session& s) {
    std::filesystem::path file;
    if (!ChooseLabelFile(s, file)) return;
    if (!CanReadFile(s, file)) return;
    if (!OfferRecordTakenOutBack(s)) return;
    OpenTextFileAndParse(s, file);
}

void ParseOnlyButtonClick(Session& s) {
    if (OfferRecordTakenOutBack(s)) ParseLabelWindow(s);
}

void PasteLabelText(Session& s) {
    s.form.SetText(kLabelWindow, "");
    s.form.SetText(kLabelWindow, s.dialogs.ClipboardText());
    std::string t = AutoCorrectText(s, s.form.Get(kLabelWindow).text);
    if (s.AutoSplit) t = AutoSplitText(s, t);
    if (s.DoubleSpace) t = DoubleSpaceText(t);
    s.form.SetText(kLabelWindow, t);
}

void ClearAllButtonClick(Session& s) {
    if (s.dialogs.Ask("Clear all fields?", DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No}) !=
        DialogButton::Yes)
        return;
    if (!OfferRecordTakenOutBack(s)) return;
    ClearFields(s);
    s.form.SetText(kLabelWindow, "");
    s.LabelText.clear();
    // The lists search the label's lines when a country or a family is chosen.
    s.parser.LabelChunks.clear();
    s.parser.CurrentLine = -1;
}

void LayoutButtonClick(Session& s) {
    std::string text;
    for (const auto& c : s.form.Controls()) {
        if (!c->parent.empty() || c->tag < 0 || c->tag > kLastLayoutTag) continue;
        text += std::to_string(c->tag) + ", " + std::to_string(c->top) + ", " + std::to_string(c->left) + ", " +
                std::to_string(c->height) + ", " + std::to_string(c->width) + "\r\n";
    }
    WriteStringToFile(s, text, "Layout.txt", true);
}

void Analyze1Click(Session& s) { StartTrace(s, kAnalyzeField); }

bool RichEdit1ContextPopup(Session& s) {
    if (!LabelWindowSelection(s).empty()) return true;
    s.dialogs.ShowMessage("Nothing Selected");
    return false;
}

std::string AutoCorrectCaption(const Session& s) { return "Change " + LabelWindowSelection(s) + " to:"; }

}  // namespace quorl
