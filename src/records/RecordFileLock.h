#pragma once
// The record file held while a record is added to it or taken out of it, so that another copy of
// the program working in the same program folder waits instead of writing over the change.
#include <filesystem>
#include <memory>
#include <string>

#include "base/FileLock.h"

namespace quorl {

class Session;

// When path is one of Quorl's own files (an output format saved before such names were refused),
// tells the user that nothing is written to it or taken out of it, followed by notDone, and
// returns true.
bool RecordFileRefused(Session& s, const std::filesystem::path& path, const std::string& notDone);

// Locks the record file path (refused as above: nullptr), waiting up to s.RecordFileLockWaitMs for
// another copy to let go. When it does not, tells the user that another copy is writing the file,
// followed by notDone ("The record was not added."), and returns nullptr. A lock file that cannot be made (a folder
// that is not writable) is logged and the work goes on unlocked.
std::unique_ptr<FileLock> LockRecordFile(Session& s, const std::filesystem::path& path, const std::string& notDone);

}  // namespace quorl
