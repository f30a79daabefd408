// A file replacement written over time: appends, rewrites in place and restarts arrive exactly,
// nothing shows under the target's name before the commit, and every failure keeps the old file.

#include "base/file_replacement.h"

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

Bytes Pattern(std::size_t size, unsigned char seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(seed + i * 13 + (i >> 11));
    return bytes;
}

TEST(FileReplacement, AppendsAndARewrittenHeadArriveAndReplaceTheFileOnlyAtTheCommit) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    FileReplacement out(file);
    ASSERT_TRUE(out.ok());
    const Bytes room(8, 0);
    const Bytes big = Pattern(3 << 20, 7); // past the batch the disk is asked to write out
    const Bytes tail = Pattern(1000, 9);
    ASSERT_TRUE(out.append(room));
    ASSERT_TRUE(out.append(big));
    ASSERT_TRUE(out.append(tail));
    const Bytes head = {'C', 'W', 'S', 6, 1, 2, 3, 4};
    ASSERT_TRUE(out.writeAt(0, head));
    EXPECT_EQ(out.size(), 8 + big.size() + tail.size());
    EXPECT_EQ(test::readFileBytes(file), kOld) << "the old file stands until the commit";
    ASSERT_TRUE(out.commit().ok());
    Bytes expected = head;
    expected.insert(expected.end(), big.begin(), big.end());
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(test::readFileBytes(file), expected);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(FileReplacement, ARestartDropsWhatWasWritten) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    FileReplacement out(file);
    ASSERT_TRUE(out.append(Pattern(5000, 1)));
    ASSERT_TRUE(out.restart());
    EXPECT_EQ(out.size(), 0u);
    ASSERT_TRUE(out.appendStream([](std::ostream& stream) { stream << "whole"; }));
    ASSERT_TRUE(out.commit().ok());
    EXPECT_EQ(test::readFileBytes(file), (Bytes{'w', 'h', 'o', 'l', 'e'}));
}

TEST(FileReplacement, RewritesBeyondWhatWasWrittenAreRefusedAndFailTheFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    FileReplacement out(file);
    ASSERT_TRUE(out.append(Pattern(10, 1)));
    EXPECT_FALSE(out.writeAt(8, Pattern(3, 2)));
    EXPECT_EQ(out.outcome().stage, FileWriteOutcome::Stage::Write);
    EXPECT_EQ(out.outcome().systemError, EINVAL);
    EXPECT_FALSE(out.append(Pattern(1, 3))) << "nothing more is written after a failure";
    EXPECT_EQ(out.commit().stage, FileWriteOutcome::Stage::Write);
    EXPECT_EQ(test::readFileBytes(file), kOld);
}

TEST(FileReplacement, AFullDiskIsRememberedAndTheOldFileKept) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    {
        FileReplacement out(file);
        {
            test::FileSizeLimit full(100000);
            EXPECT_TRUE(out.append(Pattern(60000, 1)));
            EXPECT_FALSE(out.append(Pattern(60000, 2)));
            EXPECT_FALSE(out.append(Pattern(10, 3)));
        }
        EXPECT_EQ(out.outcome().systemError, EFBIG);
        const FileWriteOutcome outcome = out.commit();
        EXPECT_EQ(outcome.stage, FileWriteOutcome::Stage::Write);
        EXPECT_EQ(outcome.systemError, EFBIG);
    }
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u) << "the temporary file is removed";
}

TEST(FileReplacement, AnUncommittedFileLeavesNothingBehind) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    {
        FileReplacement out(file);
        ASSERT_TRUE(out.append(Pattern(100, 1)));
        EXPECT_EQ(test::entriesIn(dir.path()), 2u) << "the temporary file lies beside the target";
    }
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(FileReplacement, AMissingFolderFailsAtOnce) {
    test::TempDir dir;
    FileReplacement out(dir / "missing" / "movie.swf");
    EXPECT_EQ(out.outcome().stage, FileWriteOutcome::Stage::Create);
    EXPECT_EQ(out.outcome().systemError, ENOENT);
    EXPECT_FALSE(out.append(Pattern(1, 1)));
    EXPECT_EQ(out.commit().stage, FileWriteOutcome::Stage::Create);
}

TEST(FileReplacement, ASecondCommitIsRefusedAndLeavesTheFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    FileReplacement out(file);
    ASSERT_TRUE(out.append(Pattern(10, 1)));
    ASSERT_TRUE(out.commit().ok());
    EXPECT_FALSE(out.commit().ok());
    EXPECT_FALSE(out.append(Pattern(1, 2)));
    EXPECT_EQ(test::readFileBytes(file), Pattern(10, 1));
}

TEST(FileReplacement, AFailureOfTheWorkWhileFlushingKeepsTheOldFile) {
    test::TempDir dir;
    const fs::path file = dir / "movie.swf";
    test::writeFileBytes(file, kOld);
    {
        FileReplacement out(file);
        ASSERT_TRUE(out.append(Pattern(10, 1)));
        EXPECT_THROW(out.commit([] { throw std::runtime_error("no memory"); }), std::runtime_error);
    }
    EXPECT_EQ(test::readFileBytes(file), kOld);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

} // namespace
} // namespace vantora
