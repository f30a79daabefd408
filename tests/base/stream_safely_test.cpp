// Writing a file through a stream into the safe writer: the bytes arrive exactly, and a failure
// of the file or of the writer loses nothing.

#include "base/safe_file.h"

#include "file_size_limit.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

namespace vantora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const Bytes kOld = {'o', 'l', 'd'};

// Single bytes, small writes and writes larger than any buffer, interleaved.
Bytes MixedWrites(std::ostream& out) {
    Bytes expected;
    auto put = [&](std::size_t size, unsigned char seed) {
        Bytes piece(size);
        for (std::size_t i = 0; i < size; ++i)
            piece[i] = static_cast<unsigned char>(seed + i * 7 + (i >> 9));
        out.write(reinterpret_cast<const char*>(piece.data()), std::streamsize(piece.size()));
        expected.insert(expected.end(), piece.begin(), piece.end());
    };
    put(8, 1);
    out.put('x');
    expected.push_back('x');
    put(65535, 2);
    put(65536, 3);
    put(3 << 20, 4);
    put(200000, 5);
    put(100, 6); // left in the buffer until the end
    return expected;
}

constexpr std::size_t kMixedSize = 8 + 1 + 65535 + 65536 + (3 << 20) + 200000 + 100;

TEST(WriteStreamSafely, PiecesOfEverySizeArriveInOrderAndReplaceTheFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Bytes expected;
    const FileWriteOutcome outcome = WriteStreamSafely(file, [&](std::ostream& out) { expected = MixedWrites(out); });
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(test::readFileBytes(file), expected);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(WriteStreamSafely, NothingWrittenGivesAnEmptyFile) {
    test::TempDir dir;
    const fs::path file = dir / "empty.swf";
    test::writeFileBytes(file, kOld);
    ASSERT_TRUE(WriteStreamSafely(file, [](std::ostream&) {}).ok());
    EXPECT_TRUE(test::readFileBytes(file).empty());
}

TEST(WriteStreamSafely, AFullDiskIsAWriteFailureWithItsReason) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    // The limit falls inside buffered bytes, inside direct writes, and in the last flush.
    for (rlim_t limit : {rlim_t(10), rlim_t(70000), rlim_t(3400000), rlim_t(kMixedSize - 50)}) {
        FileWriteOutcome outcome;
        {
            test::FileSizeLimit full(limit);
            outcome = WriteStreamSafely(file, [](std::ostream& out) { MixedWrites(out); });
        }
        EXPECT_EQ(outcome.stage, FileWriteOutcome::Stage::Write) << limit;
        EXPECT_EQ(outcome.systemError, EFBIG) << limit;
        EXPECT_EQ(test::readFileBytes(file), kOld) << limit;
        EXPECT_EQ(test::entriesIn(dir.path()), 1u) << "the temporary file is removed";
    }
}

TEST(WriteStreamSafely, AWriterThatGivesUpOnARefusedWriteReportsTheWriteFailure) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    FileWriteOutcome outcome;
    {
        test::FileSizeLimit full(1000);
        outcome = WriteStreamSafely(file, [](std::ostream& out) {
            MixedWrites(out);
            if (!out)
                throw std::runtime_error("writing failed");
        });
    }
    EXPECT_EQ(outcome.stage, FileWriteOutcome::Stage::Write);
    EXPECT_EQ(outcome.systemError, EFBIG);
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(WriteStreamSafely, AWritersOwnFailurePassesOnAndLeavesTheOldFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    EXPECT_THROW(WriteStreamSafely(file,
                                   [](std::ostream& out) {
                                       out << "half a movie";
                                       throw std::invalid_argument("the movie is broken");
                                   }),
                 std::invalid_argument);
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(WriteStreamSafely, WorkWhileFlushingRunsOnceAfterWritingAndBeforeTheReplacement) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    int runs = 0;
    bool written = false;
    Bytes seenDuringFlush;
    const FileWriteOutcome outcome = WriteStreamSafely(
        file,
        [&](std::ostream& out) {
            out << "new movie";
            written = true;
        },
        [&] {
            ++runs;
            EXPECT_TRUE(written);
            seenDuringFlush = test::readFileBytes(file);
        });
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seenDuringFlush, kOld) << "the old file stands until the new one is on the disk";
    EXPECT_EQ(test::readFileBytes(file), (Bytes{'n', 'e', 'w', ' ', 'm', 'o', 'v', 'i', 'e'}));
}

TEST(WriteStreamSafely, WorkWhileFlushingIsSkippedWhenWritingFailed) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    bool ran = false;
    FileWriteOutcome outcome;
    {
        test::FileSizeLimit full(10);
        outcome = WriteStreamSafely(file, [](std::ostream& out) { MixedWrites(out); }, [&] { ran = true; });
    }
    EXPECT_EQ(outcome.stage, FileWriteOutcome::Stage::Write);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(fs::exists(file));
}

TEST(WriteStreamSafely, AFailureOfTheWorkWhileFlushingLeavesTheOldFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    EXPECT_THROW(WriteStreamSafely(
                     file, [](std::ostream& out) { out << "new"; }, [] { throw std::runtime_error("out of memory"); }),
                 std::runtime_error);
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(WriteStreamSafely, AMissingFolderIsACreateFailure) {
    test::TempDir dir;
    bool called = false;
    const FileWriteOutcome outcome =
        WriteStreamSafely(dir / "missing" / "movie.swf", [&](std::ostream&) { called = true; });
    EXPECT_EQ(outcome.stage, FileWriteOutcome::Stage::Create);
    EXPECT_EQ(outcome.systemError, ENOENT);
    EXPECT_FALSE(called);
}

} // namespace
} // namespace vantora
