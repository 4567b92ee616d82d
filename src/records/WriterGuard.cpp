#include "records/WriterGuard.h"

#include <exception>

#include "base/Dialogs.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/RecordTakenOutCopy.h"

namespace quorl {

bool RunRecordWriter(Session& s, const std::string& writerName, const std::function<bool()>& writer) {
    try {
        if (!writer()) return false;
        // A record taken out of its file and now written is back: its copy goes.
        s.RecordTakenOutOf.clear();
        DropRecordTakenOutCopy(s);
        return true;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        WriteToLog(s, writerName + " record not written: " + e.what());
        return false;
    }
}

}  // namespace quorl
