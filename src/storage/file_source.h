#pragma once
// A regular file read once from start to end as a ByteSource, so that a project is read straight
// into the pictures and sounds made of it instead of being held whole beside them.

#include "base/safe_file.h"
#include "storage/byte_stream.h"

#include <cstdint>
#include <filesystem>

namespace vantora {

class FileByteSource : public ByteSource {
public:
    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // Opens a regular file of at most `maxBytes`; folders, devices and pipes are refused unread, as
    // ReadFileLimited refuses them.
    FileReadOutcome open(const std::filesystem::path& path, std::uintmax_t maxBytes);

    std::uint64_t size() const override { return size_; }
    std::size_t read(std::uint8_t* out, std::size_t count) override;

    // Done, or ReadFailed with the system's error once a read failed. A file that shrank while it
    // was read simply ends early.
    const FileReadOutcome& readOutcome() const { return readOutcome_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    FileReadOutcome readOutcome_;
};

} // namespace vantora
