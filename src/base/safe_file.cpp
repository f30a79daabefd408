#include "base/safe_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vantora {
namespace {

namespace fs = std::filesystem;

// Opens a new, uniquely named file beside `target`. Created with 0666 so that the umask decides
// the permissions, as for any newly created file.
int createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                              std::to_string(counter++) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// An existing target keeps its permissions across the replacement.
void copyPermissions(const fs::path& target, int fd) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        ::fchmod(fd, info.st_mode & 07777);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here cannot lose data any more, so it is ignored.
void syncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path resolveLink(const fs::path& requested) {
    std::error_code error;
    if (!fs::is_symlink(requested, error))
        return requested;
    fs::path resolved = fs::weakly_canonical(requested, error);
    return error || resolved.empty() ? requested : resolved;
}

FileWriteOutcome failed(FileWriteOutcome::Stage stage, int systemError, const fs::path& temporary) {
    ::unlink(temporary.c_str());
    return {stage, systemError};
}

} // namespace

FileWriteOutcome WriteFileSafely(const fs::path& requested, std::span<const std::uint8_t> bytes) {
    const fs::path target = resolveLink(requested);
    fs::path temporary;
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0)
        return {FileWriteOutcome::Stage::Create, errno};
    copyPermissions(target, fd);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(FileWriteOutcome::Stage::Write, error, temporary);
    }
    if (::close(fd) != 0)
        return failed(FileWriteOutcome::Stage::Write, errno, temporary);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return failed(FileWriteOutcome::Stage::Replace, errno, temporary);
    syncFolder(target);
    return {};
}

FileReadOutcome OpenFileLimited(const fs::path& path, std::uintmax_t maxBytes, int& fd, std::uint64_t& size) {
    // Non-blocking, so that opening a pipe nobody writes to cannot hang; only regular files are
    // read, so that a device cannot feed endless data.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileReadOutcome::Status::OpenFailed, errno};
    struct stat info {};
    FileReadOutcome refused;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        refused = {FileReadOutcome::Status::OpenFailed, S_ISDIR(info.st_mode) ? EISDIR : EINVAL};
    else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        refused = {FileReadOutcome::Status::TooLarge, EFBIG};
    if (!refused.ok()) {
        ::close(fd);
        fd = -1;
        return refused;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return {};
}

FileReadOutcome ReadFileLimited(const fs::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    int fd = -1;
    std::uint64_t size = 0;
    const FileReadOutcome opened = OpenFileLimited(path, maxBytes, fd, size);
    if (!opened.ok())
        return opened;
    bytes.reserve(static_cast<std::size_t>(size));
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            bytes.clear();
            return {FileReadOutcome::Status::ReadFailed, error};
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            bytes.clear();
            return {FileReadOutcome::Status::TooLarge, EFBIG};
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return {};
}

} // namespace vantora
