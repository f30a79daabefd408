#pragma once
// A file written beside its target and renamed over it once complete, so that the old file
// survives any failure and no partial file is ever seen under the target's name. It serves
// writers whose bytes come over time: pieces are appended as they come (and the disk starts
// writing them out at once), a piece written before may be rewritten in place, and nothing
// replaces the target until commit(). One thread at a time may use it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>

namespace vantora {

struct FileWriteOutcome {
    enum class Stage { Done, Create, Write, Replace };
    Stage stage = Stage::Done;
    int systemError = 0;
    bool ok() const { return stage == Stage::Done; }
};

class FileReplacement {
public:
    // Creates the temporary file beside `target` (a link is followed to the file it names).
    explicit FileReplacement(const std::filesystem::path& target);
    // Removes the temporary file unless it was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The first failure so far (Create when there is no temporary file), or Done.
    const FileWriteOutcome& outcome() const { return outcome_; }
    bool ok() const { return outcome_.ok(); }
    std::uint64_t size() const { return size_; }

    // Each returns false, and writes nothing more, once anything failed.
    bool append(std::span<const std::uint8_t> bytes);
    // Rewrites bytes already written; a range beyond them is refused.
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Drops everything written so far.
    bool restart();
    // Appends what `write` puts into a stream. An exception from `write` is passed on, unless the
    // file had refused bytes before it: that is the write failure it is.
    bool appendStream(const std::function<void(std::ostream&)>& write);

    // Flushes the file to the disk and renames it over the target, then makes the rename durable.
    // `whileFlushing` (when set) runs while the disk flushes, and only when everything was
    // written; an exception from it leaves the target as it was and is passed on. Call once.
    FileWriteOutcome commit(const std::function<void()>& whileFlushing = {});

private:
    bool fail(FileWriteOutcome::Stage stage, int error);
    void startWriteOut();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t writtenOut_ = 0; // bytes the disk was asked to start writing
    bool committed_ = false;
    FileWriteOutcome outcome_;
};

} // namespace vantora
