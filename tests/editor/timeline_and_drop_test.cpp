// Timeline edits (bar times, the scene end, stop points), drops from the library tabs and
// "Duplicate Scene", each undone and redone exactly.

#include "document_fixture.h"

#include "model/object_defaults.h"
#include "storage/gallery_file.h"
#include "test_support.h"

namespace vantora::test {
namespace {

class TimelineEdits : public DocumentFixture {};

TEST_F(TimelineEdits, ABarDragIsOneStepAndPushedCursorsComeBack) {
    TDemoObject& first = place(TObjectKind::Cursor);  // 0-20
    TDemoObject& second = place(TObjectKind::Cursor); // 20-40
    const auto before = bytes();
    const int drag = document.newDragKey();
    for (std::int32_t end = 25; end <= 95; end += 10)
        document.setTimings({{&first, {0, end}}}, drag);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(second.StartTime, 95); // pushed behind the first, its duration kept
    EXPECT_EQ(second.EndTime, 115);
    EXPECT_EQ(scene->Length, 115); // the scene grows to the last end
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(TimingOf(second), (TObjectTiming{20, 40}));
    EXPECT_EQ(scene->Length, 100);
}

TEST_F(TimelineEdits, TheSceneEndStopsAtTheLastObjectAndTheMinimum) {
    TDemoObject& note = place(TObjectKind::Note);
    note.EndTime = 60;
    document.markSaved();
    const auto before = bytes();
    const int drag = document.newDragKey();
    document.setSceneLength(80, 10, drag);
    document.setSceneLength(20, 10, drag); // below the note's end
    EXPECT_EQ(scene->Length, 60);
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());

    note.EndTime = 0;
    document.setSceneLength(3, 10);
    EXPECT_EQ(scene->Length, 10);
}

TEST_F(TimelineEdits, StopPointsAddRemoveAndADragIsOneStep) {
    const auto empty = bytes();
    document.addStopPoint(30);
    document.addStopPoint(30); // present already: no step
    document.addStopPoint(100); // at the length: refused
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{30}));
    EXPECT_EQ(stack().count(), 1);
    const auto withOne = bytes();

    const int drag = document.newDragKey();
    for (std::int32_t t = 31; t <= 45; ++t)
        document.moveStopPoint(0, t, drag);
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{45}));
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(bytes(), withOne);
    stack().redo();

    document.removeStopPoint(45);
    EXPECT_TRUE(scene->StopPoints.empty());
    stack().undo();
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytes(), empty);
}

class LibraryDrops : public DocumentFixture {
protected:
    TempDir dir;

    std::filesystem::path galleryNote(const std::string& name, std::int32_t start) {
        TDemoObject note = MakeDefaultObject(TObjectKind::Note, 1, 1);
        note.Name = name;
        note.StartTime = start;
        note.EndTime = start + 99;
        const auto file = NextGalleryFileName(dir.path(), TObjectKind::Note);
        EXPECT_TRUE(SaveGalleryObject(file, note).ok);
        return file;
    }
};

TEST_F(LibraryDrops, AGalleryObjectIsRenamedRetimedSelectedAloneAndUndone) {
    place(TObjectKind::Note);
    place(TObjectKind::Note);
    TDemoObject& cursor = place(TObjectKind::Cursor);
    document.selection().selectOnly(&cursor);
    const auto before = bytes();

    ASSERT_TRUE(document.dropGalleryObject(galleryNote("Note1", 50), 5, 6).ok);
    ASSERT_EQ(scene->Objects.size(), 4u);
    const TDemoObject& dropped = *scene->Objects[2]; // before the cursor
    EXPECT_EQ(dropped.Name, "Note3");
    EXPECT_EQ(BoundsOf(dropped).Left, 5);
    EXPECT_EQ(BoundsOf(dropped).Top, 6);
    EXPECT_EQ(TimingOf(dropped), (TObjectTiming{20, 50})); // 10 after the last note, not 50
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{scene->Objects[2].get()}));
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{&cursor}));
}

TEST_F(LibraryDrops, AGalleryFileThatCannotBeReadChangesNothing) {
    writeFileBytes(dir / "Broken1.vto", {1, 2, 3});
    const auto before = bytes();
    const StorageResult result = document.dropGalleryObject(dir / "Broken1.vto", 0, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_FALSE(document.dropGalleryObject(dir / "Missing1.vto", 0, 0).ok);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(LibraryDrops, APictureMakesAnImageOfItsSizeAndACursorOfCustomStyle) {
    const Picture picture(PictureFormat::Bitmap, readFileBytes(dataFile("picture/bmp/rgb24.bmp")));
    const auto before = bytes();
    TDemoObject* image = document.dropPictureObject(TObjectKind::Image, picture, 10, 20);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width, 13);
    EXPECT_EQ(image->Height, 7);
    expectUndoRedo(before, bytes());

    TDemoObject* cursor = document.dropPictureObject(TObjectKind::Cursor, picture, 0, 0);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->Style, 0);
    EXPECT_EQ(cursor->Picture, picture);
    EXPECT_EQ(document.dropPictureObject(TObjectKind::Note, picture, 0, 0), nullptr);
}

TEST_F(LibraryDrops, ReplacingAPictureOrASoundIsOneStep) {
    TDemoObject& cursor = place(TObjectKind::Cursor);
    TDemoObject& audio = place(TObjectKind::Audio);
    const auto before = bytes();
    document.replacePicture(cursor, Picture(PictureFormat::Bitmap, readFileBytes(dataFile("picture/bmp/rgb24.bmp"))));
    EXPECT_EQ(cursor.Style, 0);
    document.replaceSound(audio, {1, 2, 3, 4}, "WAV");
    EXPECT_EQ(audio.AudioType, "WAV");
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(cursor.Style, 2); // the arrow again

    TDemoObject* sound = document.dropSoundObject({9, 9}, "MP3", 0, 0);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->AudioType, "MP3");
}

TEST_F(LibraryDrops, DuplicateSceneAppendsADeepCopyThatUndoRemoves) {
    place(TObjectKind::Note);
    const auto before = bytes();
    TDemoFrame* copy = document.duplicateCurrentScene();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name, "Scene2");
    ASSERT_EQ(copy->Objects.size(), 1u);
    EXPECT_NE(copy->Objects[0].get(), scene->Objects[0].get());
    EXPECT_EQ(document.currentScene(), copy);
    expectUndoRedo(before, bytes());
}

} // namespace
} // namespace vantora::test
