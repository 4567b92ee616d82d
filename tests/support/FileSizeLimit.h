#pragma once
// A real "disk full" for one test: while it lives, no file of this process may grow past the given
// size (RLIMIT_FSIZE). The kernel then refuses the write that would pass it with EFBIG after
// writing what fits, just as a full file system stops a write part-way. SIGXFSZ is ignored so
// that the write fails instead of the process ending.
#include <csignal>
#include <sys/resource.h>

namespace quorl::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = SIG_DFL;
};

}  // namespace quorl::testing
