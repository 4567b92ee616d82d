#include "base/FileLock.h"

#include <cerrno>
#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace quorl {

namespace fs = std::filesystem;

fs::path FileLock::LockFileOf(const fs::path& path) {
    return path.parent_path() / ("." + path.filename().string() + ".lock");
}

FileLock::FileLock(const fs::path& path, std::chrono::milliseconds wait,
                   const std::function<void(std::chrono::milliseconds waited)>& waiting) {
    const fs::path lockFile = LockFileOf(path);
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) fd_ = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);  // a lock file we may not write
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    // Polled rather than blocking, so that a holder that never lets go costs at most the wait.
    const auto started = std::chrono::steady_clock::now();
    const auto until = started + wait;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            error_ = errno;
            return;
        }
        if (std::chrono::steady_clock::now() >= until) {
            busy_ = true;
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
        if (waiting)
            waiting(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

}  // namespace quorl
