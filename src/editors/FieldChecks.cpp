#include "editors/FieldChecks.h"

#include <unordered_set>

#include "base/Dialogs.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/FieldDefinitionsFile.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"

namespace quorl {

namespace {

// The fields that live lower on a label and may start later: Associated Species, Description,
// Location, Habitat, Elevation and Latitude/Longitude.
bool StartsLower(size_t field) {
    return (field >= fAssociatedSpecies && field <= fHabitat) || field == fElevation || field == fLatLong;
}

// The name a report line starts with: the built-in name, empty for the user-defined fields.
const std::string& ReportName(size_t field) {
    static const std::string none;
    return field < FieldNames.size() ? FieldNames[field] : none;
}

void AddRepeatedWordLines(std::string& out, const std::string& name, const char* what, std::string_view list) {
    if (list.empty()) return;
    std::vector<std::string> words = SplitWordList(list);
    for (size_t i = 0; i < words.size(); ++i)
        for (size_t j = i + 1; j < words.size(); ++j)
            if (words[i] == words[j]) out += name + what + words[i] + " twice.\r\n";
}

std::string WithoutPunctuation(std::string_view list) {
    std::string out;
    for (char c : list)
        if (c != '.' && c != ':') out += c;
    return out;
}

}  // namespace

std::string FieldLimitReport(const std::vector<LabelFieldClass>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i == fScientificName) continue;
        const LabelFieldClass& f = fields[i];
        const int limit = StartsLower(i) ? 3 : 1;
        if (f.Minimum > limit) out += ReportName(i) + " Minimum is " + IntToStr(f.Minimum) + "\r\n";
        if (f.Maximum < 50) out += ReportName(i) + " Maximum is " + IntToStr(f.Maximum) + "\r\n";
    }
    return out;
}

void ResetFieldLimits(Session& s) {
    for (size_t i = 0; i < s.FieldDefinitions.size(); ++i) {
        s.FieldDefinitions[i].Minimum = (i == fScientificName || StartsLower(i)) ? 3 : 0;
        s.FieldDefinitions[i].Maximum = 50;
    }
    SaveFieldDefinitions(s);
    s.dialogs.ShowMessage("Most fields set to 0 and 50.  Edit those which should be different.");
}

std::vector<std::string> SplitWordList(std::string_view list) {
    std::vector<std::string> words;
    TokenCursor items(list);
    while (!items.Empty()) words.push_back(items.NextString(",", true));
    return words;
}

std::string RemoveRepeatedWords(std::string_view list) {
    std::unordered_set<std::string> seen;
    std::string out;
    for (std::string& word : SplitWordList(list)) {
        if (word.empty() || !seen.insert(word).second) continue;
        if (!out.empty()) out += ',';
        out += word;
    }
    return out;
}

std::string WordListReport(const std::vector<LabelFieldClass>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i == fScientificName) continue;
        const LabelFieldClass& f = fields[i];
        const std::string& name = ReportName(i);
        if (Contains(f.StartWords, ".")) out += name + " Start Words contain periods.  Not recommended.\r\n";
        if (Contains(f.StartWords, ":")) out += name + " Start Words contain semicolon.  Not recommended.\r\n";
        if (Contains(f.ContainedWords, "."))
            out += name + " Contained Words contain periods.  Not recommended.\r\n";
        if (Contains(f.ContainedWords, ":"))
            out += name + " Contained Words contain semicolon.  Not recommended.\r\n";
        AddRepeatedWordLines(out, name, " Start Words has ", f.StartWords);
        AddRepeatedWordLines(out, name, " Contained Words has ", f.ContainedWords);
    }
    return out;
}

void CleanStartContainedWords(Session& s) {
    for (LabelFieldClass& f : s.FieldDefinitions) {
        f.ContainedWords = WithoutPunctuation(f.ContainedWords);
        f.StartWords = WithoutPunctuation(f.StartWords);
        f.StartWords = RemoveRepeatedWords(f.StartWords);
        f.ContainedWords = RemoveRepeatedWords(f.ContainedWords);
    }
    SaveFieldDefinitions(s);
}

std::string PreferenceReport(const Session& s) {
    std::string out;
    if (s.MinElevation == 0) out += "Minimum Elevation should be greater than zero.\r\n";
    if (!s.LearnFromLabels) out += "Auto Learning is not enabled.\r\n";
    if (!s.ApplyLearning) out += "Learned Words not being applied.\r\n";
    return out;
}

void SetRecommendedPreferences(Session& s) {
    s.MinElevation = 10;
    s.ApplyLearning = true;
    s.LearnFromLabels = true;
    SavePreferences(s);
}

}  // namespace quorl
