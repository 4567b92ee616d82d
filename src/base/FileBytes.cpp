#include "base/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quorl {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

WriteResult Failed(WriteFailure failure, int error) { return WriteResult{failure, error}; }

}  // namespace

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

namespace {

// Flushes the file's data to the disk; false with errno set.
bool SyncData(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

// A rename is on the disk once its folder is; a folder that cannot be synced changes nothing.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

// Every file the program replaces has an extension, so "name.ext.tmp123" is ours and "x.tmp1" is not.
long TemporaryFileOwner(const std::string& name) {
    const size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos) return 0;
    const size_t dot = name.rfind('.', mark == 0 ? 0 : mark - 1);
    if (mark == 0 || dot == std::string::npos || dot == 0 || dot + 1 == mark) return 0;
    const std::string digits = name.substr(mark + kTemporaryMark.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stol(digits);
}

namespace {

// The file that path names once its symbolic links are followed (a link that points nowhere names
// the file it would point to); path itself when it is no link or its links go round in a circle.
fs::path LinkTarget(const fs::path& path) {
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(target, ec)) return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return path;
}

}  // namespace

bool ProcessRuns(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

std::string WriteResult::Reason() const { return std::generic_category().message(error); }

bool ReadFileBytes(const fs::path& path, std::string& bytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

namespace {

fs::path TemporaryFileOf(const fs::path& path) {
    fs::path tmp = path;
    tmp += std::string(kTemporaryMark) + std::to_string(::getpid());
    return tmp;
}

// Writes bytes to the temporary file of path (a file, not a link) and makes sure they are on the
// disk; on failure the temporary file is removed.
WriteResult WriteTemporaryFile(const fs::path& path, std::string_view bytes, fs::perms perms) {
    const fs::path tmp = TemporaryFileOf(path);
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(perms));
    if (fd < 0) return Failed(WriteFailure::Open, errno);
    // The new file gets the old one's rights (a file readable by its owner only stays so), with no
    // read or write right that perms leaves out, and, where allowed, its owner and group.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        (void)::fchown(fd, old.st_uid, old.st_gid);
        (void)::fchmod(fd, old.st_mode & (static_cast<mode_t>(perms) | 07111));
    }
    bool written = WriteAll(fd, bytes) && SyncData(fd);
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(tmp.c_str());
        return Failed(WriteFailure::Write, error);
    }
    return {};
}

// Renames path's temporary file over path; on failure the temporary file is removed.
WriteResult MoveTemporaryFile(const fs::path& path) {
    const fs::path tmp = TemporaryFileOf(path);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tmp.c_str());
        return Failed(WriteFailure::Write, error);
    }
    return {};
}

}  // namespace

WriteResult ReplaceFileAtomically(const fs::path& linkOrFile, std::string_view bytes, fs::perms perms) {
    const fs::path path = LinkTarget(linkOrFile);
    if (WriteResult r = WriteTemporaryFile(path, bytes, perms); !r) return r;
    if (WriteResult r = MoveTemporaryFile(path); !r) return r;
    SyncFolder(path.parent_path());
    return {};
}

FileSetResult ReplaceFilesTogether(const std::vector<FileReplacement>& links) {
    // Links are followed as ReplaceFileAtomically follows them.
    std::vector<FileReplacement> files;
    for (const FileReplacement& f : links) files.push_back({LinkTarget(f.path), f.bytes});
    FileSetResult result;
    auto dropTemporaryFiles = [&](size_t count) {
        for (size_t i = 0; i < count; ++i) ::unlink(TemporaryFileOf(files[i].path).c_str());
    };
    for (size_t i = 0; i < files.size(); ++i) {
        result.result = WriteTemporaryFile(files[i].path, files[i].bytes, static_cast<fs::perms>(0666));
        // A folder where a file should be would fail its rename after the others were done.
        std::error_code ec;
        if (result.result && fs::is_directory(files[i].path, ec)) {
            ::unlink(TemporaryFileOf(files[i].path).c_str());
            result.result = Failed(WriteFailure::Write, EISDIR);
        }
        if (!result.result) {
            result.failed = i;
            dropTemporaryFiles(i);
            return result;
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        result.result = MoveTemporaryFile(files[i].path);
        if (!result.result) {
            // Only a failing file system gets here; the files renamed so far stay renamed.
            result.failed = i;
            for (size_t j = i + 1; j < files.size(); ++j) ::unlink(TemporaryFileOf(files[j].path).c_str());
            return result;
        }
    }
    std::vector<fs::path> folders;
    for (const FileReplacement& f : files)
        if (std::find(folders.begin(), folders.end(), f.path.parent_path()) == folders.end())
            folders.push_back(f.path.parent_path());
    for (const fs::path& folder : folders) SyncFolder(folder);
    return result;
}

WriteResult AppendFileBytes(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return Failed(WriteFailure::Open, errno);
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        const int error = errno;
        ::close(fd);
        return Failed(WriteFailure::Open, error);
    }
    if (WriteAll(fd, bytes) && SyncData(fd)) {
        if (::close(fd) == 0) return {};
        // The bytes may not all be on the disk; the file is cut back by name.
        const int error = errno;
        const bool restored = ::truncate(path.c_str(), before.st_size) == 0;
        return Failed(restored ? WriteFailure::Write : WriteFailure::Restore, error);
    }
    const int error = errno;
    const bool restored = ::ftruncate(fd, before.st_size) == 0 && SyncData(fd);
    ::close(fd);
    return Failed(restored ? WriteFailure::Write : WriteFailure::Restore, error);
}

namespace {

// Renames from to to unless to exists (errno EEXIST then); 0 or the errno of the failure.
int RenameWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system that cannot rename without replacing: a second name, then the first one goes.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    return 0;
}

}  // namespace

MovedFile MoveToFreeName(const fs::path& path, const std::string& stem, const std::string& extension) {
    MovedFile moved;
    int error = EEXIST;
    for (int n = 1; n < 10000 && error == EEXIST; ++n) {
        moved.to = path.parent_path() / (stem + std::to_string(n) + extension);
        error = RenameWithoutReplacing(path, moved.to);
    }
    if (error != 0) {
        moved.to.clear();
        moved.result = Failed(WriteFailure::Write, error);
        return moved;
    }
    SyncFolder(path.parent_path());
    return moved;
}

size_t RemoveStaleTemporaryFiles(const fs::path& folder) {
    size_t removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const long owner = TemporaryFileOwner(it->path().filename().string());
        if (owner <= 0 || ProcessRuns(owner)) continue;
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}

}  // namespace quorl
