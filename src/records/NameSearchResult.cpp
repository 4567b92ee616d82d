#include "records/NameSearchResult.h"

#include "base/Dialogs.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "lookup/HtmlTags.h"
#include "lookup/NameBrowser.h"
#include "lookup/NameLookup.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/AddQuestions.h"
#include "records/ExportData.h"
#include "records/PlantNameCheck.h"

namespace quorl {

namespace {

// Offers the page's name; Yes puts it into the Scientific Name, confirms it and adds the record.
void OfferName(Session& s, const std::string& found) {
    if (s.nameBrowser) s.nameBrowser->ShowWindow();
    if (s.dialogs.Ask(found + " was found.  Use this name?", DialogKind::Confirmation,
                      {DialogButton::Yes, DialogButton::No}) != DialogButton::Yes)
        return;
    s.form.SetText("ScientificNameEdit", found);
    s.ConfirmedName = found;
    if (s.nameBrowser) s.nameBrowser->CloseWindow();
    AddDataAfterNameSearch(s);
}

// True, once, for the lookup waiting for its page when the Scientific Name is still the one it
// was started for. The answers the add gave stand only when no field changed meanwhile.
bool TakePendingLookup(Session& s) {
    if (!s.NameLookupPending) return false;
    s.NameLookupPending = false;
    if (BoxText(s, "ScientificNameEdit") != s.NameLookupName) return false;
    ForgetAddAnswersIfFieldsChanged(s);
    return true;
}

}  // namespace

void NameSearchDocumentComplete(Session& s, const std::string& bodyHtml) {
    // Pages opened later by following links in the window, and a page that comes back after the
    // user has changed the name, start nothing.
    if (!TakePendingLookup(s)) return;

    const std::string expected = ExpectedNameMarkup(s);
    const std::string page = UpperCaseTagNames(bodyHtml);
    if (ContainsNoCase(page, "<I>" + expected + "</I>")) {
        s.ConfirmedName = ReplaceAllNoCase(ReplaceAllNoCase(expected, "<i>", ""), "</i>", "");
        if (GetFieldText(s, fScientificName) == s.ConfirmedName) {
            if (s.nameBrowser) s.nameBrowser->CloseWindow();
            AddDataAfterNameSearch(s);
            return;
        }
        // The page confirms genus, species, rank and epithet, written otherwise than the Scientific
        // Name field holds them ("var" for "var.", other blanks): the add would only look the name
        // up again. The user is offered the confirmed form.
        WriteToLog(s, "Confirmed name " + s.ConfirmedName + " differs from the Scientific Name field.");
        OfferName(s, s.ConfirmedName);
        return;
    }
    if (s.nameBrowser) s.nameBrowser->ShowWindow();
    const std::string found = OfferedName(SplitLines(page));
    if (!found.empty()) OfferName(s, found);
}

void NameSearchFailed(Session& s, const std::string& why) {
    if (!TakePendingLookup(s)) return;
    if (!AcceptUncheckedName(s, why)) return;
    s.UncheckedNameAccepted = s.NameLookupName;  // the add below passes the name check once
    if (s.nameBrowser) s.nameBrowser->CloseWindow();
    AddDataAfterNameSearch(s);
}

}  // namespace quorl
