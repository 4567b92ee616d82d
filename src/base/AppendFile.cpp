#include "base/AppendFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileBytes.h"

namespace quorl {

namespace {

constexpr std::chrono::seconds kUnlinkCheckInterval{1};

}  // namespace

bool AppendFile::Unlinked() {
    const auto now = std::chrono::steady_clock::now();
    if (now < nextCheck_) return false;
    nextCheck_ = now + kUnlinkCheckInterval;
    struct stat st {};
    return ::fstat(fd_, &st) != 0 || st.st_nlink == 0;
}

bool AppendFile::Append(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
    if (fd_ >= 0 && (folder.native() != folder_ || name != name_)) Close();
    // Lines written to a file that was deleted meanwhile would reach no one.
    if (fd_ >= 0 && Unlinked()) Close();
    if (fd_ < 0) {
        fd_ = ::open((folder / name).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) return false;
        folder_ = folder.native();
        name_ = name;
    }
    // One write per call: the bytes are with the system at once, whatever happens to the program.
    return WriteAll(fd_, bytes);
}

void AppendFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    folder_.clear();
    name_.clear();
}

}  // namespace quorl
