// The date clean-up phase: separators of the collection date become blanks; the collector,
// other collectors, determiner and habitat are tidied; hemisphere letters without degrees go.
#include "base/ParseText.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "fields/PhaseSupport.h"
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

namespace {

// Rewrites a field's control as it stands, keeping the line the field was found on.
void Rewrite(Session& s, int field, const std::string& text) {
    if (Control* c = FieldControl(s, field)) s.form.SetText(c->name, text);
}

}  // namespace

void DateCleanupPhase(Session& s, PhaseState&) {
    WriteToLog(s, "Date Cleanup");
    ParserState& p = s.parser;
    if (!BoxText(s, "CollectionDateEdit").empty()) {
        WriteToLog(s, "Clean Collection date if necessary");
        for (const char* sep : {".", "/", "-"})
            Rewrite(s, fCollectionDate, ReplaceAll(GetFieldText(s, fCollectionDate), sep, " "));
    }
    std::string collector = GetFieldText(s, fCollector);
    if (!collector.empty()) {
        WriteToLog(s, "Capitalize first letter of collector name");
        if (collector[0] >= 'a' && collector[0] <= 'z') collector[0] = static_cast<char>(collector[0] - 32);
        Rewrite(s, fCollector, Trim(ReplaceAll(collector, "#", "")));
    }
    WriteToLog(s, "Other Collector Cleanup");
    const int c = FoundLineOf(s, fCollector);
    const std::string next = p.Line(c + 1);
    if (GetFieldText(s, fOtherCollectors).empty() && c > 0 && !next.empty() &&
        (StartsWith(next, "&") || StartsWithNoCase(next, "with") || StartsWithNoCase(next, "and"))) {
        std::string t = ReplaceAll(next, "&", "");
        t = ReplaceAllNoCase(t, "with", "");
        t = ReplaceAll(t, ":", "");
        p.CurrentLine = c + 1;
        SetFieldText(s, fOtherCollectors, Trim(t), false);
    }
    const std::string determiner = GetFieldText(s, fDeterminer);
    if (!determiner.empty()) {
        WriteToLog(s, "Clean up Determiner");
        if (determiner.find('(') == std::string::npos)
            Rewrite(s, fDeterminer, ReplaceAll(determiner, ")", ""));
    }
    const std::string associated = GetFieldText(s, fAssociatedSpecies);
    if (!associated.empty()) Rewrite(s, fHabitat, ReplaceAll(GetFieldText(s, fHabitat), associated, ""));
    if (BoxText(s, "LatDegreesEdit").empty()) SetBoxText(s, "NSCombo", "");
    if (BoxText(s, "LongDegreesEdit").empty()) SetBoxText(s, "EWCombo", "");
}

}  // namespace quorl
