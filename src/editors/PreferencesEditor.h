#pragma once
// The preferences editor: the user's preference values as the window's controls hold them, their
// saving into the Session and Preferences.txt, and the clearing of the learnt word statistics.
#include <string>

namespace quorl {

class Session;

// What the preferences window shows, one member per control.
struct PreferenceControls {
    int outputType = 0;  // 0 TSV, 1 Darwin Core XML, 2 Darwin Core CSV
    int minElevation = 10;
    bool doubleSpace = false;
    bool learnFromLabels = true;
    bool applyLearning = true;
    bool dontSplitLines = true;
    bool autoSplit = true;
    bool fillMeters = false;
    bool dateFormatCheck = false;
    bool autoCorrect = true;
    bool replaceNumerals = true;
    bool barcodeFormatCheck = true;
    std::string barcodeFormatTemplate = "QZV#######";
};

// The controls as the Session's preferences set them.
PreferenceControls PreferencesToForm(const Session& s);

// "Save": the preferences from the controls; when double spacing changes, the label window's text
// is re-spaced; the user fields are laid out again and Preferences.txt is rewritten. A new output
// type loads its output format at once, so that records go to a file of the new type; when that
// type's format file cannot be read the output type stays as it was and the user is told. False
// when Preferences.txt could not be written (the user has been told; the values stay in use).
bool SavePreferencesFromForm(Session& s, const PreferenceControls& c);

// The label text re-spaced: runs of up to four line breaks become one, and with double spacing on
// every line break is then doubled.
std::string ChangeLineSpacing(const std::string& text, bool doubleSpace);

// "Clear Stats": after "Delete all learned words?" is answered Yes, WordStats.txt is deleted and
// the word statistics emptied (the names stay). True when they were cleared; a file that cannot
// be deleted is reported and nothing is cleared.
bool ClearStats(Session& s);

}  // namespace quorl
