#include "records/WriterGuard.h"

#include <exception>

#include "base/Dialogs.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

bool RunRecordWriter(Session& s, const std::string& writerName, const std::function<bool()>& writer) {
    try {
        if (!writer()) return false;
        s.RecordTakenOutOf.clear();  // a record taken out of its file and now written is back
        return true;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        WriteToLog(s, writerName + " record not written: " + e.what());
        return false;
    }
}

}  // namespace quorl
