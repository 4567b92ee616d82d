#include "records/PlantNameCheck.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "lookup/NameLookup.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "records/AddQuestions.h"

namespace quorl {

namespace {

bool IsItemOf(Session& s, const char* combo, const std::string& text) {
    const Control* c = s.form.Find(combo);
    return c && std::find(c->items.begin(), c->items.end(), text) != c->items.end();
}

bool NameConfirmed(Session& s) {
    return !s.ConfirmedName.empty() && GetFieldText(s, fScientificName) == s.ConfirmedName;
}

bool LookUpName(Session& s) {
    std::string whyNot;
    if (ShowNameSearch(s, whyNot)) return NameConfirmed(s);
    return AcceptUncheckedName(s, whyNot);
}

}  // namespace

bool AcceptUncheckedName(Session& s, const std::string& why) {
    const std::string name = GetFieldText(s, fScientificName);
    WriteToLog(s, "The name " + name + " could not be checked: " + why + ".");
    const bool yes = s.dialogs.Ask("The scientific name " + name + " could not be checked: " + why +
                                       ".\r\n\r\nAdd the record anyway?",
                                   DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No}) == DialogButton::Yes;
    WriteToLog(s, yes ? "Record added with the unchecked name " + name + "." : "Export aborted: the name was not checked.");
    return yes;
}

bool CheckGenusSpecies(Session& s) {
    if (NameConfirmed(s)) return true;
    if (!s.UncheckedNameAccepted.empty()) {
        const bool accepted = GetFieldText(s, fScientificName) == s.UncheckedNameAccepted;
        s.UncheckedNameAccepted.clear();
        if (accepted) return true;
    }
    const std::string genus = GetFieldText(s, fGenus);
    const std::string species = GetFieldText(s, fSpecies);
    const bool noSpecies = species.empty() || species == "Select Species";
    const bool noGenus = genus.empty() || genus == "Select Genus";
    if (!noSpecies) {
        if (BoxText(s, "RankCombo").empty() && IsItemOf(s, "SpeciesCombo", species)) return true;
        return LookUpName(s);
    }
    if (!noGenus) {
        if (AskOnce(s, "Is Species intentionally blank?", DialogKind::Confirmation,
                          {DialogButton::Yes, DialogButton::No}) == DialogButton::No)
            return false;
        if (IsItemOf(s, "GenusCombo", genus)) return true;
        return LookUpName(s);
    }
    if (AskOnce(s, "Are Genus and Species intentionally blank?", DialogKind::Confirmation,
                      {DialogButton::Yes, DialogButton::No}) != DialogButton::Yes)
        return false;
    SetFieldText(s, fGenus, "", false);
    return true;
}

}  // namespace quorl
