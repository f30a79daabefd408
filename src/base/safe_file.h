#pragma once
// Whole-file reading with a size cap, and writing that never loses the previous file: the bytes go
// to a temporary file in the target's folder, are flushed to the disk, and only then is the
// temporary file renamed over the target. A failure at any step removes the temporary file and
// leaves the old file as it was.

#include "base/file_replacement.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <vector>

namespace vantora {

FileWriteOutcome WriteFileSafely(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// The same for bytes that `write` puts into a stream: they go to the temporary file as they come,
// so that a large file is never held whole in memory a second time. An exception from `write`
// removes the temporary file and is passed on, unless the file had refused bytes before it: that
// is reported as the write failure it is.
// `whileFlushing` (when set) runs once the bytes are written, while the disk flushes them: work that
// would otherwise follow the save, such as freeing what was saved. It does not run when writing
// failed; an exception from it removes the temporary file and is passed on.
FileWriteOutcome WriteStreamSafely(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write,
                                   const std::function<void()>& whileFlushing = {});

struct FileReadOutcome {
    enum class Status { Done, OpenFailed, ReadFailed, TooLarge };
    Status status = Status::Done;
    int systemError = 0;
    bool ok() const { return status == Status::Done; }
};

// Opens a regular file of at most `maxBytes` for reading; folders, devices and pipes are refused
// unread, and opening a pipe cannot hang. On success `fd` is open (the caller closes it) and `size`
// is the file's size.
FileReadOutcome OpenFileLimited(const std::filesystem::path& path, std::uintmax_t maxBytes, int& fd, std::uint64_t& size);

// Reads the whole regular file into `bytes`. Files longer than `maxBytes` are refused without
// reading more than maxBytes + 1 bytes; folders, devices and pipes are refused unread.
FileReadOutcome ReadFileLimited(const std::filesystem::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& bytes);

} // namespace vantora
