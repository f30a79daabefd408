#include "base/safe_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantora {

namespace fs = std::filesystem;

FileWriteOutcome WriteFileSafely(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    FileReplacement file(target);
    file.append(bytes);
    return file.commit();
}

FileWriteOutcome WriteStreamSafely(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write,
                                   const std::function<void()>& whileFlushing) {
    FileReplacement file(target);
    file.appendStream(write);
    return file.commit(whileFlushing);
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
