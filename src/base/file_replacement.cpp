#include "base/file_replacement.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <string>
#include <system_error>
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
        // Built by appending: GCC 12 release builds warn wrongly about a literal put before a temporary.
        std::string name(1, '.');
        name.append(target.filename().string()).append(".").append(std::to_string(::getpid()));
        name.append(".").append(std::to_string(counter++)).append(".tmp");
        temporary = folder / name;
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

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path resolveLink(const fs::path& requested) {
    std::error_code error;
    if (!fs::is_symlink(requested, error))
        return requested;
    fs::path resolved = fs::weakly_canonical(requested, error);
    return error || resolved.empty() ? requested : resolved;
}

// 0, or the errno of the failure.
int writeAllAt(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno != 0 ? errno : EIO;
        }
        if (n == 0)
            return EIO;
        data += n;
        size -= std::size_t(n);
        offset += n;
    }
    return 0;
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

// Flushes the file to the disk; `whileFlushing` (when set) runs on the calling thread meanwhile,
// so that work of its own does not wait for the disk. Returns 0 or the errno of the flush.
int flushToDisk(int fd, const std::function<void()>& whileFlushing) {
    if (!whileFlushing)
        return ::fsync(fd) == 0 ? 0 : errno;
    std::future<int> flushed;
    try {
        flushed = std::async(std::launch::async, [fd] { return ::fsync(fd) == 0 ? 0 : errno; });
    } catch (const std::system_error&) { // no thread to spare: one after the other
        whileFlushing();
        return ::fsync(fd) == 0 ? 0 : errno;
    }
    try {
        whileFlushing();
    } catch (...) {
        flushed.wait();
        throw;
    }
    return flushed.get();
}

// A stream buffer that appends to a FileReplacement; large writes bypass the buffer.
class AppendBuffer : public std::streambuf {
public:
    explicit AppendBuffer(FileReplacement& file) : file_(file) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

protected:
    int_type overflow(int_type c) override {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* data, std::streamsize count) override {
        if (count < std::streamsize(buffer_.size()))
            return std::streambuf::xsputn(data, count);
        if (!drain() || !file_.append({reinterpret_cast<const std::uint8_t*>(data), std::size_t(count)}))
            return 0;
        return count;
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const bool ok = file_.append({reinterpret_cast<const std::uint8_t*>(pbase()), std::size_t(pptr() - pbase())});
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return ok;
    }

    FileReplacement& file_;
    std::array<char, 64 * 1024> buffer_;
};

// Appended bytes the disk is asked to start writing out, a batch at a time, so that the flush at
// the end finds little left to do.
constexpr std::uint64_t kWriteOutBatch = 1 << 20;

} // namespace

FileReplacement::FileReplacement(const fs::path& target) : target_(resolveLink(target)) {
    fd_ = createTemporaryBeside(target_, temporary_);
    if (fd_ < 0) {
        outcome_ = {FileWriteOutcome::Stage::Create, errno};
        return;
    }
    copyPermissions(target_, fd_);
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !temporary_.empty() && outcome_.stage != FileWriteOutcome::Stage::Create)
        ::unlink(temporary_.c_str());
}

bool FileReplacement::fail(FileWriteOutcome::Stage stage, int error) {
    if (outcome_.ok())
        outcome_ = {stage, error != 0 ? error : EIO};
    return false;
}

void FileReplacement::startWriteOut() {
#if defined(__linux__)
    if (size_ - writtenOut_ < kWriteOutBatch)
        return;
    // Only a hint: the flush at the end writes whatever this did not.
    ::sync_file_range(fd_, off_t(writtenOut_), off_t(size_ - writtenOut_), SYNC_FILE_RANGE_WRITE);
    writtenOut_ = size_;
#endif
}

bool FileReplacement::append(std::span<const std::uint8_t> bytes) {
    if (!ok() || committed_)
        return false;
    if (const int error = writeAllAt(fd_, bytes.data(), bytes.size(), off_t(size_)); error != 0)
        return fail(FileWriteOutcome::Stage::Write, error);
    size_ += bytes.size();
    startWriteOut();
    return true;
}

bool FileReplacement::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!ok() || committed_)
        return false;
    if (offset > size_ || bytes.size() > size_ - offset)
        return fail(FileWriteOutcome::Stage::Write, EINVAL);
    if (const int error = writeAllAt(fd_, bytes.data(), bytes.size(), off_t(offset)); error != 0)
        return fail(FileWriteOutcome::Stage::Write, error);
    return true;
}

bool FileReplacement::restart() {
    if (!ok() || committed_)
        return false;
    if (::ftruncate(fd_, 0) != 0)
        return fail(FileWriteOutcome::Stage::Write, errno);
    size_ = writtenOut_ = 0;
    return true;
}

bool FileReplacement::appendStream(const std::function<void(std::ostream&)>& write) {
    if (!ok() || committed_)
        return false;
    AppendBuffer buffer(*this);
    std::ostream out(&buffer);
    try {
        write(out);
    } catch (...) {
        // A writer that gives up because the file refused its bytes failed as a write does.
        if (ok())
            throw;
        return false;
    }
    out.flush();
    return out ? ok() : fail(FileWriteOutcome::Stage::Write, EIO);
}

FileWriteOutcome FileReplacement::commit(const std::function<void()>& whileFlushing) {
    if (committed_ || !ok())
        return ok() ? FileWriteOutcome{FileWriteOutcome::Stage::Write, EINVAL} : outcome_;
    if (const int error = flushToDisk(fd_, whileFlushing); error != 0) {
        fail(FileWriteOutcome::Stage::Write, error);
        return outcome_;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        fail(FileWriteOutcome::Stage::Write, errno);
        return outcome_;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail(FileWriteOutcome::Stage::Replace, errno);
        return outcome_;
    }
    committed_ = true;
    syncFolder(target_);
    return outcome_;
}

} // namespace vantora
