#include "editors/AutoCorrectEntry.h"

#include "base/Text.h"
#include "editors/ForbiddenCharacters.h"
#include "model/Files.h"
#include "model/MainForm.h"
#include "model/Session.h"

namespace quorl {

namespace {

constexpr std::string_view kSeparators = "\t\r\n";

const ReplacementClass* FindDuplicate(const std::vector<ReplacementClass>& list, const std::string& from,
                                      bool caseSensitive) {
    const std::string lowerFrom = LowerCase(from);
    for (const ReplacementClass& r : list)
        if (r.From == from || (!caseSensitive && LowerCase(r.From) == lowerFrom)) return &r;
    return nullptr;
}

bool Refused(Session& s, const std::string& what, const std::string& text) {
    if (auto bad = FirstForbiddenCharacter(text, kSeparators)) {
        s.dialogs.ShowMessage("The " + what + " may not hold " + *bad + ".");
        return true;
    }
    return false;
}

}  // namespace

std::string AutoCorrectFileText(const std::vector<ReplacementClass>& list) {
    std::string out;
    for (const ReplacementClass& r : list) {
        out += r.CaseSensitive ? '1' : '0';
        if (r.WholeWord) out += '2';
        out += '\t';
        out += r.From;
        out += '\t';
        out += r.To;
        out += "\r\n";
    }
    return out;
}

bool AddAutoCorrectEntry(Session& s, const std::string& fromText, const std::string& toText, bool caseSensitive,
                         bool wholeWord) {
    ReplacementClass entry;
    entry.CaseSensitive = caseSensitive;
    entry.WholeWord = wholeWord;
    entry.From = Trim(fromText);
    entry.To = Trim(toText);
    if (entry.From.empty()) {
        s.dialogs.ShowMessage("Nothing Selected");
        return false;
    }
    if (Refused(s, "text to replace", entry.From) || Refused(s, "replacement", entry.To)) return false;
    if (const ReplacementClass* dup = FindDuplicate(s.AutoCorrectList, entry.From, caseSensitive)) {
        s.dialogs.ShowMessage(entry.From + " already on the AutoCorrect list, corrected to " + dup->To + ".");
        return false;
    }

    s.AutoCorrectList.push_back(entry);
    if (!WriteStringToFile(s, AutoCorrectFileText(s.AutoCorrectList), s.UserFile("AutoCorrect.txt"), true)) {
        // Reported; the list stays as the file holds it, so that Save can be pressed again.
        s.AutoCorrectList.pop_back();
        return false;
    }

    // The whole-word flag plays no part here: every occurrence changes, also inside longer words.
    const std::string& text = s.form.Get(kLabelWindow).text;
    s.form.SetText(kLabelWindow, caseSensitive ? ReplaceAll(text, entry.From, entry.To)
                                               : ReplaceAllNoCase(text, entry.From, entry.To));
    return true;
}

}  // namespace quorl
