#include "editors/PreferencesEditor.h"

#include <filesystem>
#include <system_error>

#include "base/Text.h"
#include "fields/DoubleSpacing.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"

namespace quorl {

namespace fs = std::filesystem;

PreferenceControls PreferencesToForm(const Session& s) {
    PreferenceControls c;
    c.outputType = s.OutputType;
    c.minElevation = s.MinElevation;
    c.doubleSpace = s.DoubleSpace;
    c.learnFromLabels = s.LearnFromLabels;
    c.applyLearning = s.ApplyLearning;
    c.dontSplitLines = s.DontSplitLines;
    c.autoSplit = s.AutoSplit;
    c.fillMeters = s.FillMeters;
    c.dateFormatCheck = s.DateFormatCheck;
    c.autoCorrect = s.AutoCorrect;
    c.replaceNumerals = s.ReplaceNumerals;
    c.barcodeFormatCheck = s.BarcodeFormatCheck;
    c.barcodeFormatTemplate = s.BarcodeFormatTemplate;
    return c;
}

std::string ChangeLineSpacing(const std::string& text, bool doubleSpace) {
    if (doubleSpace) return DoubleSpaceText(text);
    std::string t = ReplaceAll(text, "\r\n\r\n", "\r\n");
    return ReplaceAll(t, "\r\n\r\n", "\r\n");
}

namespace {

// Takes the new output type only when its format file can be read.
bool SwitchOutputType(Session& s, int type) {
    const int old = s.OutputType;
    s.OutputType = type;
    const fs::path path = OutputFormatReadPath(s);
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return true;
    s.OutputType = old;
    s.dialogs.ShowMessage("Unable to open file: " + path.string());
    return false;
}

}  // namespace

bool SavePreferencesFromForm(Session& s, const PreferenceControls& c) {
    const bool newOutputType = c.outputType != s.OutputType && SwitchOutputType(s, c.outputType);
    s.MinElevation = c.minElevation;
    s.FillMeters = c.fillMeters;
    s.DateFormatCheck = c.dateFormatCheck;
    s.LearnFromLabels = c.learnFromLabels;
    s.ApplyLearning = c.applyLearning;
    s.DontSplitLines = c.dontSplitLines;
    s.AutoSplit = c.autoSplit;
    s.AutoCorrect = c.autoCorrect;
    s.ReplaceNumerals = c.replaceNumerals;

    if (c.doubleSpace != s.DoubleSpace) {
        // No typing step is pending while the whole text is re-spaced.
        s.PendingReformat = 0;
        const std::string text = s.form.Get(kLabelWindow).text;
        s.form.SetText(kLabelWindow, ChangeLineSpacing(text, c.doubleSpace));
    }
    s.DoubleSpace = c.doubleSpace;
    s.BarcodeFormatCheck = c.barcodeFormatCheck;
    s.BarcodeFormatTemplate = c.barcodeFormatTemplate;

    SetupCustomFields(s);
    const bool saved = SavePreferences(s);
    if (newOutputType) LoadOutputFormat(s);
    return saved;
}

bool ClearStats(Session& s) {
    if (s.dialogs.Ask("Delete all learned words?", DialogKind::Warning, {DialogButton::Yes, DialogButton::Cancel}) !=
        DialogButton::Yes)
        return false;
    const fs::path file = s.UserFile("WordStats.txt");
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) {
        // The words would come back from the file at the next start.
        s.dialogs.ShowMessage("Unable to delete file " + file.string());
        return false;
    }
    s.WordStats.clear();
    s.WordStatsUnread.clear();
    s.UnreadLines.erase(file);
    s.StatsChanged();
    return true;
}

}  // namespace quorl
