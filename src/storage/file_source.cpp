#include "storage/file_source.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantora {

FileByteSource::~FileByteSource() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileReadOutcome FileByteSource::open(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    // Non-blocking, so that opening a pipe nobody writes to cannot hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileReadOutcome::Status::OpenFailed, errno};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return {FileReadOutcome::Status::OpenFailed, error};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return {FileReadOutcome::Status::TooLarge, EFBIG};
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    readOutcome_ = {};
    return {};
}

std::size_t FileByteSource::read(std::uint8_t* out, std::size_t count) {
    if (fd_ < 0 || !readOutcome_.ok())
        return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, out, count);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR) {
            readOutcome_ = {FileReadOutcome::Status::ReadFailed, errno};
            return 0;
        }
    }
}

} // namespace vantora
