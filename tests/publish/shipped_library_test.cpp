// The shipped library material reaches a fresh program folder at start-up, and from then on the
// user's copies are theirs: edited files are not overwritten, deleted ones do not come back
// unless their whole folder is gone, and material added by a newer installation arrives.

#include "base/program_folder.h"
#include "publish/shipped_library.h"
#include "scoped_env.h"
#include "storage/gallery_file.h"
#include "storage/library_folders.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace vantora::publish {
namespace {

namespace fs = std::filesystem;
using vantora::test::readFileBytes;

// Writes a file, making its folder first.
void writeFileBytes(const fs::path& file, const std::vector<unsigned char>& bytes) {
    fs::create_directories(file.parent_path());
    vantora::test::writeFileBytes(file, bytes);
}

class ShippedLibrary : public ::testing::Test {
protected:
    ShippedLibrary() : resources_("VANTORA_RESOURCES", shipped_.path().string()) {
        ship("Gallery/Note1.vto", {'n'});
        ship("Images/Arrow.png", {'a'});
        ship("Images/Badge.png", {'b'});
        ship("DefaultClick.wav", {'c'});
    }

    void ship(const std::string& name, const std::vector<unsigned char>& bytes) { writeFileBytes(shipped_.path() / name, bytes); }
    fs::path home(const std::string& name) const { return home_.path() / name; }

    vantora::test::TempDir shipped_;
    vantora::test::ScopedEnv resources_;
    vantora::test::ScopedProgramFolder home_;
};

TEST_F(ShippedLibrary, AFreshProgramFolderGetsEveryShippedFile) {
    const LibraryInstallReport report = InstallShippedLibrary();
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.installed, 4);
    EXPECT_EQ(readFileBytes(home("Gallery/Note1.vto")), (std::vector<unsigned char>{'n'}));
    EXPECT_EQ(readFileBytes(home("Images/Badge.png")), (std::vector<unsigned char>{'b'}));
    EXPECT_EQ(readFileBytes(DefaultClickSoundFile()), (std::vector<unsigned char>{'c'}));
    EXPECT_TRUE(fs::exists(home(std::string(kInstallLedgerName))));
}

TEST_F(ShippedLibrary, AnEditedFileIsNeverOverwritten) {
    InstallShippedLibrary();
    writeFileBytes(home("Images/Arrow.png"), {'m', 'i', 'n', 'e'});
    writeFileBytes(home("DefaultClick.wav"), {'m', 'y'});
    const LibraryInstallReport again = InstallShippedLibrary();
    EXPECT_EQ(again.installed, 0);
    EXPECT_EQ(readFileBytes(home("Images/Arrow.png")), (std::vector<unsigned char>{'m', 'i', 'n', 'e'}));
    EXPECT_EQ(readFileBytes(home("DefaultClick.wav")), (std::vector<unsigned char>{'m', 'y'}));
}

TEST_F(ShippedLibrary, AFileTheUserHadBeforeTheFirstStartIsKept) {
    writeFileBytes(home("Gallery/Note1.vto"), {'o', 'w', 'n'});
    EXPECT_EQ(InstallShippedLibrary().installed, 3);
    EXPECT_EQ(readFileBytes(home("Gallery/Note1.vto")), (std::vector<unsigned char>{'o', 'w', 'n'}));
    // And it counts as installed: deleting it later does not bring the shipped one.
    fs::remove(home("Gallery/Note1.vto"));
    InstallShippedLibrary();
    EXPECT_FALSE(fs::exists(home("Gallery/Note1.vto")));
}

TEST_F(ShippedLibrary, ADeletedFileStaysDeleted) {
    InstallShippedLibrary();
    fs::remove(home("Images/Arrow.png"));
    fs::remove(home("DefaultClick.wav"));
    EXPECT_EQ(InstallShippedLibrary().installed, 0);
    EXPECT_FALSE(fs::exists(home("Images/Arrow.png")));
    EXPECT_FALSE(fs::exists(home("DefaultClick.wav")));
    EXPECT_TRUE(fs::exists(home("Images/Badge.png")));
}

TEST_F(ShippedLibrary, ADeletedFolderIsFilledAnew) {
    InstallShippedLibrary();
    fs::remove(home("Images/Arrow.png"));
    InstallShippedLibrary();
    fs::remove_all(home("Images"));
    EXPECT_EQ(InstallShippedLibrary().installed, 2);
    EXPECT_TRUE(fs::exists(home("Images/Arrow.png")));
    EXPECT_TRUE(fs::exists(home("Images/Badge.png")));
}

TEST_F(ShippedLibrary, MaterialOfANewerInstallationArrives) {
    InstallShippedLibrary();
    ship("Images/Circle.png", {'o'});
    ship("Audios/Chime.wav", {'d'});
    EXPECT_EQ(InstallShippedLibrary().installed, 2);
    EXPECT_EQ(readFileBytes(home("Images/Circle.png")), (std::vector<unsigned char>{'o'}));
    EXPECT_EQ(readFileBytes(home("Audios/Chime.wav")), (std::vector<unsigned char>{'d'}));
}

TEST_F(ShippedLibrary, OnlyTheLibraryFoldersAndTheClickSoundAreCopied) {
    ship("Player.exe", {'p'});
    ship("Temp/work.swf", {'w'});
    ship("Images/Sub/Deep.png", {'s'});
    InstallShippedLibrary();
    EXPECT_FALSE(fs::exists(home("Player.exe")));
    EXPECT_FALSE(fs::exists(home("Temp/work.swf")));
    EXPECT_FALSE(fs::exists(home("Images/Sub")));
}

TEST_F(ShippedLibrary, AFileThatCannotBeWrittenIsReportedAndTheRestStillArrive) {
    writeFileBytes(home("Gallery"), {'x'}); // a file where the folder belongs
    const LibraryInstallReport report = InstallShippedLibrary();
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(report.failed, 1);
    EXPECT_TRUE(fs::exists(home("Images/Arrow.png")));
    EXPECT_TRUE(fs::exists(home("DefaultClick.wav")));
    // The failed file is not in the ledger: once the obstacle is gone it arrives.
    fs::remove(home("Gallery"));
    EXPECT_EQ(InstallShippedLibrary().installed, 1);
    EXPECT_TRUE(fs::exists(home("Gallery/Note1.vto")));
}

TEST_F(ShippedLibrary, NothingShippedInstallsNothing) {
    vantora::test::TempDir empty;
    vantora::test::ScopedEnv noResources("VANTORA_RESOURCES", empty.path().string());
    const LibraryInstallReport report = InstallShippedLibrary();
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.installed, 0);
    EXPECT_FALSE(fs::exists(home("Gallery")));
}

// With the build's own material every library tab has something to show.
TEST(ShippedLibraryOfTheBuild, FillsEveryLibraryFolder) {
    vantora::test::ScopedEnv resources("VANTORA_RESOURCES", VANTORA_TEST_RESOURCES);
    vantora::test::ScopedProgramFolder home;
    EXPECT_TRUE(InstallShippedLibrary().ok());
    EXPECT_GE(ListGalleryFiles(LibraryFolder(LibraryKind::Gallery)).size(), 7u);
    for (LibraryKind kind : {LibraryKind::Cursors, LibraryKind::Images, LibraryKind::Buttons})
        EXPECT_GE(ListPictureFiles(LibraryFolder(kind)).size(), 8u) << LibraryName(kind);
    EXPECT_GE(ListSoundFiles(LibraryFolder(LibraryKind::Audios)).size(), 6u);
    EXPECT_TRUE(fs::is_regular_file(DefaultClickSoundFile()));
}

} // namespace
} // namespace vantora::publish
