// A failed save never loses the previous file.

#include "storage/project_file.h"

#include "file_size_limit.h"
#include "sample_projects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vantora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const Bytes kOldContent = {'o', 'l', 'd', ' ', 'p', 'r', 'o', 'j', 'e', 'c', 't'};

TEST(SafeSave, AWriteThatFailsHalfwayLeavesTheOldFileIntact) {
    test::TempDir dir;
    const fs::path file = dir / "project.vtp";
    test::writeFileBytes(file, kOldContent);
    const auto demo = test::MakeEveryKindDemo();
    StorageResult result;
    {
        test::FileSizeLimit limit(100);
        result = SaveProject(file, *demo);
    }
    ASSERT_FALSE(result);
    EXPECT_EQ(result.code, StorageErrorCode::WriteDemo);
    EXPECT_EQ(result.message.rfind("\"" + file.string() + "\", ", 0), 0u) << result.message;
    EXPECT_EQ(test::readFileBytes(file), kOldContent);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u) << "the temporary file is removed";
}

TEST(SafeSave, AFolderThatDoesNotExistGivesTheCreateError) {
    test::TempDir dir;
    const StorageResult result = SaveProject(dir / "missing" / "project.vtp", *test::MakeSmallDemo());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.code, StorageErrorCode::CreateFile);
    EXPECT_NE(result.message.find("(Error Code: 2/1007)"), std::string::npos) << result.message;
}

TEST(SafeSave, ATargetThatCannotBeReplacedStaysAsItWas) {
    test::TempDir dir;
    const fs::path target = dir / "project.vtp";
    fs::create_directory(target);
    test::writeFileBytes(target / "inside", kOldContent);
    const StorageResult result = SaveProject(target, *test::MakeSmallDemo());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.code, StorageErrorCode::CreateFile);
    EXPECT_EQ(test::readFileBytes(target / "inside"), kOldContent);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(SafeSave, AReadOnlyFolderLeavesTheOldFileIntact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the file-size test covers this case";
    test::TempDir dir;
    const fs::path file = dir / "project.vtp";
    test::writeFileBytes(file, kOldContent);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const StorageResult result = SaveProject(file, *test::MakeSmallDemo());
    fs::permissions(dir.path(), fs::perms::owner_all);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.code, StorageErrorCode::CreateFile);
    EXPECT_EQ(test::readFileBytes(file), kOldContent);
}

TEST(SafeSave, ASuccessfulSaveReplacesTheFileAndKeepsItsPermissions) {
    test::TempDir dir;
    const fs::path file = dir / "project.vtp";
    test::writeFileBytes(file, kOldContent);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveProject(file, *test::MakeSmallDemo()));
    EXPECT_NE(test::readFileBytes(file), kOldContent);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::entriesIn(dir.path()), 1u);
}

TEST(SafeSave, SavingThroughALinkReplacesTheLinkedFile) {
    test::TempDir dir;
    fs::create_directory(dir / "real");
    test::writeFileBytes(dir / "real" / "project.vtp", kOldContent);
    fs::create_symlink(dir / "real" / "project.vtp", dir / "link.vtp");
    ASSERT_TRUE(SaveProject(dir / "link.vtp", *test::MakeSmallDemo()));
    EXPECT_TRUE(fs::is_symlink(dir / "link.vtp"));
    EXPECT_NE(test::readFileBytes(dir / "real" / "project.vtp"), kOldContent);
}

TEST(SafeLoad, PipesAndDevicesAreRefusedWithoutWaitingOrReading) {
    test::TempDir dir;
    const fs::path pipe = dir / "pipe.vtp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TVantora demo;
    EXPECT_EQ(LoadProject(pipe, demo).code, StorageErrorCode::OpenFile);
    EXPECT_EQ(LoadProject("/dev/zero", demo).code, StorageErrorCode::OpenFile);
}

} // namespace
} // namespace vantora
