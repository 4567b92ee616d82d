#include "records/WriterGuard.h"

#include <exception>

#include "base/Dialogs.h"
#include "model/Log.h"

namespace quorl {

bool RunRecordWriter(Session& s, const std::string& writerName, const std::function<bool()>& writer) {
    try {
        return writer();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        WriteToLog(s, writerName + " record not written: " + e.what());
        return false;
    }
}

}  // namespace quorl
