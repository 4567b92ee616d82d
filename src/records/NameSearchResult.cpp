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
#include "records/ExportData.h"
#include "records/PlantNameCheck.h"

namespace quorl {

void NameSearchDocumentComplete(Session& s, const std::string& bodyHtml) {
    // Pages opened later by following links in the window, and a page that comes back after the
    // user has changed the name, start nothing.
    if (!s.NameLookupPending) return;
    s.NameLookupPending = false;
    if (BoxText(s, "ScientificNameEdit") != s.NameLookupName) return;

    const std::string expected = ExpectedNameMarkup(s);
    const std::string page = UpperCaseTagNames(bodyHtml);
    if (ContainsNoCase(page, "<I>" + expected + "</I>")) {
        s.ConfirmedName = ReplaceAllNoCase(ReplaceAllNoCase(expected, "<i>", ""), "</i>", "");
        if (GetFieldText(s, fScientificName) != s.ConfirmedName) {
            // The add would only look the name up again, and again: the user corrects the name.
            WriteToLog(s, "Confirmed name " + s.ConfirmedName + " differs from the Scientific Name field.");
            if (s.nameBrowser) s.nameBrowser->ShowWindow();
            return;
        }
        if (s.nameBrowser) s.nameBrowser->CloseWindow();
        AddDataButtonClick(s);
        return;
    }
    if (s.nameBrowser) s.nameBrowser->ShowWindow();
    const std::string found = OfferedName(SplitLines(page));
    if (found.empty()) return;
    if (s.dialogs.Ask(found + " was found.  Use this name?", DialogKind::Confirmation,
                      {DialogButton::Yes, DialogButton::No}) != DialogButton::Yes)
        return;
    s.form.SetText("ScientificNameEdit", found);
    s.ConfirmedName = found;
    if (s.nameBrowser) s.nameBrowser->CloseWindow();
    AddDataButtonClick(s);
}

void NameSearchFailed(Session& s, const std::string& why) {
    if (!s.NameLookupPending) return;
    s.NameLookupPending = false;
    if (BoxText(s, "ScientificNameEdit") != s.NameLookupName) return;
    if (!AcceptUncheckedName(s, why)) return;
    s.UncheckedNameAccepted = s.NameLookupName;  // the add below passes the name check once
    if (s.nameBrowser) s.nameBrowser->CloseWindow();
    AddDataButtonClick(s);
}

}  // namespace quorl
