#include "records/RecordFileLock.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

std::unique_ptr<FileLock> LockRecordFile(Session& s, const std::filesystem::path& path, const std::string& notDone) {
    const int wait = s.RecordFileLockWaitMs;
    // While another copy holds the file, the busy window's bar shows how much of the wait is gone.
    const auto waiting = [&s, wait](std::chrono::milliseconds waited) {
        s.dialogs.BusyProgress(static_cast<int>(std::min<long long>(waited.count(), wait)), wait);
    };
    auto lock = std::make_unique<FileLock>(path, std::chrono::milliseconds(wait), waiting);
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
