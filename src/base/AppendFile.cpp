#include "base/AppendFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quorl {

bool AppendFile::Append(const std::filesystem::path& folder, std::string_view name, std::string_view bytes) {
    if (fd_ >= 0 && (folder.native() != folder_ || name != name_)) Close();
    if (fd_ < 0) {
        fd_ = ::open((folder / name).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) return false;
        folder_ = folder.native();
        name_ = name;
    }
    // One write per call: the bytes are with the system at once, whatever happens to the program.
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void AppendFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    folder_.clear();
    name_.clear();
}

}  // namespace quorl
