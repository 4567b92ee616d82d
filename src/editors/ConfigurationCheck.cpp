#include "editors/ConfigurationCheck.h"

#include "base/Dialogs.h"
#include "editors/DuplicateChecks.h"
#include "editors/FieldChecks.h"
#include "model/Files.h"
#include "model/Session.h"

namespace quorl {

namespace {

bool Confirmed(Session& s, const std::string& question) {
    return s.dialogs.Ask(question, DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No}) ==
           DialogButton::Yes;
}

// The found names as the questions list them: each followed by ", ".
std::string NameList(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += n + ", ";
    return out;
}

void CheckFieldLimits(Session& s) {
    std::string lines = FieldLimitReport(s.FieldDefinitions);
    if (lines.empty()) return;
    if (Confirmed(s, "In most cases, Minimum should be 0 or 1, Maximum 50\r\n" + lines +
                         "\r\n\r\nQUORL can set to default values.  Fix now?"))
        ResetFieldLimits(s);
}

void CheckWordLists(Session& s) {
    std::string lines = WordListReport(s.FieldDefinitions);
    if (lines.empty()) return;
    if (Confirmed(s, "Start and Contained Words errors:\r\n" + lines +
                         "\r\n\r\nQUORL can remove duplicates and punctuation marks.  Fix now?"))
        CleanStartContainedWords(s);
}

void CheckPreferences(Session& s) {
    std::string lines = PreferenceReport(s);
    if (lines.empty()) return;
    if (Confirmed(s, "Preferences Settings:\r\n" + lines + "\r\n\r\nSet to recommended settings now?"))
        SetRecommendedPreferences(s);
}

void CheckWordNames(Session& s) {
    s.dialogs.ShowBusy("Searching for Word and Name Duplicates", "Please Wait...");
    std::vector<std::string> found = WordNameDuplicates(s.WordStats, s.NameStats);
    s.dialogs.HideBusy();
    if (found.empty()) return;
    if (Confirmed(s, "The following words are in both WordStats and NameStats:  " + NameList(found) +
                         "\r\n\r\nQUORL can make reasonable guesses about some words.  Ambiguous words will be "
                         "left in both.  Fix now?"))
        ResolveWordNameDuplicates(s);
}

void CheckPlaceNames(Session& s) {
    s.dialogs.ShowBusy("Searching for Country & Name Duplicates", "Please Wait...");
    std::vector<std::string> found = PlaceNameDuplicates(s.NameStats, s.CountryList);
    s.dialogs.HideBusy();
    if (found.empty()) return;
    if (Confirmed(s, "The following words are in both NameStats and CountryList:  " + NameList(found) +
                         "\r\n\r\nQUORL can remove the duplicates from the NameStates file.  Fix now?"))
        RemoveCountryNames(s);
}

void CheckWordPlants(Session& s) {
    s.dialogs.ShowBusy("Searching for Word and Plant Duplicates", "Please Wait...");
    WordPlantFindings found = FindWordPlants(s.WordStats, s.PlantList);
    s.dialogs.HideBusy();
    if (found.Empty()) return;
    const std::string question = "The following plant names are in the WordStats file:  " + NameList(found.names) +
                                 "\r\n\r\nQUORL can remove the plant names from the WordStates file.  Fix now?";
    WriteStringToFile(s, question, s.ProgramFile("WordPlants.txt"), false);
    if (Confirmed(s, question)) RemoveWordPlants(s, found);
}

}  // namespace

void EvaluateConfiguration(Session& s) {
    CheckFieldLimits(s);
    CheckWordLists(s);
    CheckPreferences(s);
    CheckWordNames(s);
    CheckPlaceNames(s);
    CheckWordPlants(s);
    s.dialogs.ShowMessage("Complete.");
}

}  // namespace quorl
