#include "records/RecordFileLock.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "model/KeptFiles.h"
#include "model/Log.h"
#include "model/Session.h"

namespace quorl {

bool RecordFileRefused(Session& s, const std::filesystem::path& path, const std::string& notDone) {
    const std::string kept = KeptFileMet(s.ProgramFolder, path.string());
    if (kept.empty()) return false;
    const std::string message = "No record is written to or taken out of " + path.string() + ": it is " + kept +
                                ". Choose another Output File Name in the Output Format window. " + notDone;
    WriteToLog(s, message);
    s.dialogs.ShowMessage(message);
    return true;
}

std::unique_ptr<FileLock> LockRecordFile(Session& s, const std::filesystem::path& path, const std::string& notDone) {
    if (RecordFileRefused(s, path, notDone)) return nullptr;
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
