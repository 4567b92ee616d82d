#include "records/RecordFileLock.h"

#include <chrono>
#include <system_error>

#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

std::unique_ptr<FileLock> LockRecordFile(Session& s, const std::filesystem::path& path, const std::string& notDone) {
    auto lock = std::make_unique<FileLock>(path, std::chrono::milliseconds(s.RecordFileLockWaitMs));
    if (lock->busy()) {
        const std::string message = "Another copy of Quorl is writing to " + path.filename().string() + ". " +
                                    notDone + " Please try again.";
        WriteToLog(s, message);
        s.dialogs.ShowMessage(message);
        return nullptr;
    }
    if (lock->error() != 0)
        WriteToLog(s, "No lock on " + path.string() + ": " + std::generic_category().message(lock->error()));
    return lock;
}

}  // namespace quorl
