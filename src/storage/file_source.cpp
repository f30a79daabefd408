#include "storage/file_source.h"

#include <cerrno>
#include <unistd.h>

namespace vantora {

FileByteSource::~FileByteSource() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileReadOutcome FileByteSource::open(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    int fd = -1;
    std::uint64_t size = 0;
    const FileReadOutcome opened = OpenFileLimited(path, maxBytes, fd, size);
    if (!opened.ok())
        return opened;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    size_ = size;
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
