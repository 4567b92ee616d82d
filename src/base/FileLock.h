#pragma once
// A lock that copies of the program working in one folder take on a file before they read, change
// and write it, so that one copy's change is not written over by another's. The lock is an advisory
// lock (flock) on a lock file beside the file, "." + name + ".lock": the file itself is replaced by
// renames, so a lock on it would be lost with it. The lock file stays; removing it would let two
// copies lock two different files.
#include <chrono>
#include <filesystem>
#include <functional>

namespace quorl {

class FileLock {
public:
    // Locks the lock file of path, waiting at most wait for another holder to let go; while it
    // waits, waiting (may be empty) is called now and then with how long it has waited.
    FileLock(const std::filesystem::path& path, std::chrono::milliseconds wait,
             const std::function<void(std::chrono::milliseconds waited)>& waiting = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Whether another holder kept the lock for the whole wait.
    bool busy() const { return busy_; }
    // The errno of a lock file that could not be opened or locked (0 when held or busy).
    int error() const { return error_; }
    bool held() const { return fd_ >= 0 && !busy_ && error_ == 0; }

    static std::filesystem::path LockFileOf(const std::filesystem::path& path);

private:
    int fd_ = -1;
    bool busy_ = false;
    int error_ = 0;
};

}  // namespace quorl
