#include "records/RecordTakenOut.h"

#include "base/Dialogs.h"
#include "model/Session.h"
#include "records/ExportData.h"
#include "records/RecordTakenOutCopy.h"

namespace quorl {

bool OfferRecordTakenOutBack(Session& s) {
    if (s.RecordTakenOutOf.empty()) return true;
    const std::string file = s.RecordTakenOutOf;
    const DialogButton answer =
        s.dialogs.Ask("The record taken out of " + file + " has not been added back. Add it back now?",
                      DialogKind::Warning, {DialogButton::Yes, DialogButton::No, DialogButton::Cancel});
    if (answer == DialogButton::Yes) {
        AddDataButtonClick(s);
        return s.RecordTakenOutOf.empty();  // a written record is no longer waiting
    }
    if (answer != DialogButton::No) return false;
    s.RecordTakenOutOf.clear();
    DropRecordTakenOutCopy(s);
    s.dialogs.ShowMessage("The record taken out of " + file + " was not added back and is lost.");
    return true;
}

}  // namespace quorl
