// Gallery object files: naming, saving the selection, deleting, listing, and thumbnail sizes.

#include "storage/gallery_file.h"
#include "storage/gallery_thumbnail.h"
#include "storage/library_folders.h"
#include "storage/object_record.h"
#include "base/program_folder.h"

#include "model/object_defaults.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "sample_projects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const std::vector<fs::path>& files) {
    std::vector<std::string> out;
    for (const fs::path& file : files)
        out.push_back(file.filename().string());
    return out;
}

void touch(const fs::path& file) { test::writeFileBytes(file, {'x'}); }

class Gallery : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    test::ScopedProgramFolder home_;
    fs::path folder_ = LibraryFolder(LibraryKind::Gallery);
};

TEST_F(Gallery, LivesInTheProgramFolder) { EXPECT_EQ(folder_, home_.path() / "Gallery"); }

TEST_F(Gallery, FileNamesTakeTheSmallestFreeNumber) {
    EXPECT_EQ(NextGalleryFileName(folder_, TObjectKind::Note).filename(), "Note1.vto");
    touch(folder_ / "Note1.vto");
    touch(folder_ / "Note2.vto");
    EXPECT_EQ(NextGalleryFileName(folder_, TObjectKind::Note).filename(), "Note3.vto");
    fs::remove(folder_ / "Note2.vto");
    EXPECT_EQ(NextGalleryFileName(folder_, TObjectKind::Note).filename(), "Note2.vto");
    EXPECT_EQ(NextGalleryFileName(folder_, TObjectKind::RoundBalloon).filename(), "RoundBalloon1.vto");
}

TEST_F(Gallery, SavingTheSelectionWritesOneFilePerSelectedObject) {
    touch(folder_ / "Note1.vto");
    touch(folder_ / "Note2.vto");
    TVantora demo;
    TDemoFrame& scene = NewScene(demo);
    const TDemoObject& note = NewObject(scene, TObjectKind::Note, 0, 0);
    const TDemoObject& shape = NewObject(scene, TObjectKind::Shape, 0, 0);
    NewObject(scene, TObjectKind::Label, 0, 0); // not selected
    const std::vector<const TDemoObject*> selected{&note, &shape};
    const GallerySaveReport report = SaveObjectsToGallery(selected, folder_);
    EXPECT_EQ(report.saved, 2);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(names(ListGalleryFiles(folder_)), (std::vector<std::string>{"Note1.vto", "Note2.vto", "Note3.vto", "Shape1.vto"}));
}

TEST_F(Gallery, AGalleryFileIsExactlyOneObjectRecord) {
    const auto demo = test::MakeEveryKindDemo();
    const TDemoObject& button = *demo->Scenes[0]->Objects[7];
    ASSERT_TRUE(SaveGalleryObject(folder_ / "Button1.vto", button));
    ByteWriter expected;
    RecordError error;
    ASSERT_TRUE(WriteObject(expected, button, error));
    EXPECT_EQ(test::readFileBytes(folder_ / "Button1.vto"), expected.bytes());
    // The bytes a gallery file would hold, made in memory, are the same.
    std::vector<std::uint8_t> inMemory;
    ASSERT_TRUE(GalleryFileBytes(button, inMemory));
    EXPECT_EQ(inMemory, expected.bytes());

    TDemoObject back;
    ASSERT_TRUE(ReadGalleryObject(folder_ / "Button1.vto", back));
    EXPECT_EQ(back.Name, button.Name);
    EXPECT_EQ(back.Picture.bytes(), button.Picture.bytes());
    EXPECT_EQ(back.Command, button.Command);
}

TEST_F(Gallery, ReadingReportsMissingAndDamagedFiles) {
    TDemoObject object;
    const StorageResult missing = ReadGalleryObject(folder_ / "Note9.vto", object);
    EXPECT_EQ(missing.code, StorageErrorCode::OpenFile);
    touch(folder_ / "Note1.vto");
    const StorageResult damaged = ReadGalleryObject(folder_ / "Note1.vto", object);
    EXPECT_FALSE(damaged);
    EXPECT_EQ(damaged.code, StorageErrorCode::ReadObject);
}

TEST_F(Gallery, SavingIntoAFolderThatCannotHoldFilesReportsTheCreateError) {
    touch(home_.path() / "NotAFolder");
    TDemoObject object = MakeDefaultObject(TObjectKind::Note, 0, 0);
    const StorageResult result = SaveGalleryObject(home_.path() / "NotAFolder" / "Note1.vto", object);
    EXPECT_EQ(result.code, StorageErrorCode::CreateFile);
}

TEST_F(Gallery, DeletingRemovesOnlyAFileOfTheFolder) {
    touch(folder_ / "Note1.vto");
    touch(home_.path() / "Vantora.vto");
    EXPECT_FALSE(DeleteGalleryFile(folder_, ""));
    EXPECT_FALSE(DeleteGalleryFile(folder_, "../Vantora.vto"));
    EXPECT_FALSE(DeleteGalleryFile(folder_, ".."));
    EXPECT_TRUE(fs::exists(home_.path() / "Vantora.vto"));
    EXPECT_TRUE(DeleteGalleryFile(folder_, "Note1.vto"));
    EXPECT_FALSE(fs::exists(folder_ / "Note1.vto"));
    EXPECT_FALSE(DeleteGalleryFile(folder_, "Note1.vto"));
}

TEST_F(Gallery, ListsOnlyGalleryFilesSortedByName) {
    touch(folder_ / "Shape1.vto");
    touch(folder_ / "Note1.VTO");
    touch(folder_ / "readme.txt");
    fs::create_directory(folder_ / "Folder.vto");
    EXPECT_EQ(names(ListGalleryFiles(folder_)), (std::vector<std::string>{"Note1.VTO", "Shape1.vto"}));
    EXPECT_TRUE(ListGalleryFiles(home_.path() / "NoSuchFolder").empty());
}

TEST_F(Gallery, PictureAndSoundLibrariesListTheirMasks) {
    const fs::path images = LibraryFolder(LibraryKind::Images);
    fs::create_directories(images);
    for (const char* name : {"b.PNG", "a.jpeg", "c.emf", "d.txt", "e.ico", "f.tiff"})
        touch(images / name);
    EXPECT_EQ(names(ListPictureFiles(images)), (std::vector<std::string>{"a.jpeg", "b.PNG", "c.emf", "e.ico"}));

    const fs::path audios = LibraryFolder(LibraryKind::Audios);
    fs::create_directories(audios);
    for (const char* name : {"a.wav", "z.mp3", "b.mp3", "c.ogg"})
        touch(audios / name);
    EXPECT_EQ(names(ListSoundFiles(audios)), (std::vector<std::string>{"b.mp3", "z.mp3", "a.wav"}));
    EXPECT_EQ(DefaultClickSoundFile(), home_.path() / "DefaultClick.wav");
}

TEST_F(Gallery, TheWorkFolderIsCreatedWhenMissing) {
    EXPECT_FALSE(fs::exists(WorkFolder()));
    EXPECT_TRUE(EnsureWorkFolder());
    EXPECT_TRUE(fs::is_directory(home_.path() / "Temp"));
}

TEST(GalleryThumbnail, FitsKeepingTheAspectRatioWithoutEnlarging) {
    EXPECT_EQ(FitThumbnail(20, 10, 32, 32), (ThumbnailRect{6, 11, 20, 10}));    // fits: kept, centred
    EXPECT_EQ(FitThumbnail(64, 32, 32, 32), (ThumbnailRect{0, 8, 32, 16}));     // too wide
    EXPECT_EQ(FitThumbnail(10, 100, 32, 32), (ThumbnailRect{14, 0, 3, 32}));    // too tall: 3.2 rounds to 3
    EXPECT_EQ(FitThumbnail(121, 97, 48, 48), (ThumbnailRect{0, 5, 48, 38}));   // 38.48 rounds to 38
    EXPECT_EQ(FitThumbnail(0, 10, 32, 32).width, 0);
}

} // namespace
} // namespace vantora

namespace vantora {
namespace {

// The committed gallery fixture (also the gallery fuzzer's seed) reads and saves to the same bytes.
// VANTORA_WRITE_FIXTURES=1 rewrites it from the sample demo's button.
TEST(GalleryFixture, ResavesIdentically) {
    const auto path = test::dataFile("storage/Button1.vto");
    if (const char* write = std::getenv("VANTORA_WRITE_FIXTURES"); write && std::string(write) == "1") {
        ASSERT_TRUE(SaveGalleryObject(path, *test::MakeEveryKindDemo()->Scenes[0]->Objects[7]));
    }
    TDemoObject object;
    const StorageResult result = ReadGalleryObject(path, object);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(object.Kind, TObjectKind::Button);
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WriteObject(out, object, error));
    EXPECT_EQ(out.bytes(), test::readFileBytes(path));
}

} // namespace
} // namespace vantora
