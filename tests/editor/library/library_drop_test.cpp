// Library items dropped on the current scene: which objects are asked about and in what order,
// what Yes replaces, what a drop on an empty spot adds, gallery objects renamed and retimed, and
// every drop one undo step.

#include "library_test_files.h"

#include "../document_fixture.h"
#include "editor/library/library_drop.h"
#include "picture/picture.h"
#include "render/natural_size.h"
#include "test_support.h"

#include <QRect>
#include <QSize>

#include <gtest/gtest.h>

#include <deque>

namespace vantora::test {
namespace {

struct Asked {
    QString caption;
    QString text;
    bool operator==(const Asked&) const = default;
};

class LibraryDrop : public DocumentFixture {
protected:
    TempDir dir;
    std::vector<Asked> asked;
    std::deque<bool> answers; // No once they run out
    QStringList errors;

    bool drop(LibraryKind kind, const std::filesystem::path& file, QPoint at) {
        LibraryDropPrompts prompts;
        prompts.confirm = [this](const QString& caption, const QString& text) {
            asked.push_back({caption, text});
            if (answers.empty())
                return false;
            const bool yes = answers.front();
            answers.pop_front();
            return yes;
        };
        prompts.error = [this](const QString& message) { errors << message; };
        return DropLibraryItem(document, {kind, QString::fromStdString(file.string())}, at, prompts);
    }

    // An object placed through the model (no undo step) with its rectangle set.
    TDemoObject& placeSized(TObjectKind kind, int left, int top, int width, int height) {
        TDemoObject& object = place(kind, left, top);
        object.Left = left;
        object.Top = top;
        object.Width = width;
        object.Height = height;
        return object;
    }

    static Picture PictureOf(const std::filesystem::path& file) {
        Picture picture;
        EXPECT_TRUE(picture.loadFromFile(file));
        return picture;
    }
};

TEST_F(LibraryDrop, AnImageOnAnEmptySpotIsExactlyAsLargeAsItsPicture) {
    const auto file = WritePicture(dir / "photo.png", 37, 23, Qt::darkCyan);
    placeSized(TObjectKind::Image, 300, 300, 50, 50); // elsewhere
    const auto before = bytes();
    ASSERT_TRUE(drop(LibraryKind::Images, file, {100, 50}));
    ASSERT_EQ(scene->Objects.size(), 2u);
    const TDemoObject& image = *document.selectedObjects().at(0);
    EXPECT_EQ(image.Kind, TObjectKind::Image);
    EXPECT_EQ(QRect(image.Left, image.Top, image.Width, image.Height), QRect(100, 50, 37, 23));
    EXPECT_EQ(image.Picture, PictureOf(file));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(LibraryDrop, EachOverlappedCursorIsAskedFrontToBackAndNoToAllAddsACursor) {
    const auto file = WritePicture(dir / "hand.png", 16, 16, Qt::yellow);
    TDemoObject& back = placeSized(TObjectKind::Cursor, 0, 0, 32, 32);
    placeSized(TObjectKind::Image, 5, 5, 40, 40); // not a cursor: never asked
    TDemoObject& front = placeSized(TObjectKind::Cursor, 10, 10, 32, 32);
    placeSized(TObjectKind::Cursor, 200, 200, 32, 32); // not under the point
    const auto before = bytes();

    ASSERT_TRUE(drop(LibraryKind::Cursors, file, {20, 20}));
    const std::vector<Asked> expected{
        {QStringLiteral("Change Cursor"), QStringLiteral("Change \"%1\" cursor?").arg(QString::fromStdString(front.Name))},
        {QStringLiteral("Change Cursor"), QStringLiteral("Change \"%1\" cursor?").arg(QString::fromStdString(back.Name))}};
    EXPECT_EQ(asked, expected);
    ASSERT_EQ(scene->Objects.size(), 5u);
    const TDemoObject& added = *document.selectedObjects().at(0);
    EXPECT_EQ(added.Kind, TObjectKind::Cursor);
    EXPECT_EQ(added.Style, 0);
    EXPECT_EQ(added.Picture, PictureOf(file));
    EXPECT_TRUE(back.Picture.empty());
    EXPECT_TRUE(front.Picture.empty());
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(LibraryDrop, YesReplacesThatCursorsPictureAndStopsAsking) {
    const auto file = WritePicture(dir / "hand.png", 16, 16, Qt::yellow);
    TDemoObject& bottom = placeSized(TObjectKind::Cursor, 0, 0, 32, 32);
    TDemoObject& middle = placeSized(TObjectKind::Cursor, 5, 5, 32, 32);
    TDemoObject& top = placeSized(TObjectKind::Cursor, 10, 10, 32, 32);
    const std::int32_t style = middle.Style;
    ASSERT_NE(style, 0);
    const auto before = bytes();
    answers = {false, true};

    ASSERT_TRUE(drop(LibraryKind::Cursors, file, {20, 20}));
    EXPECT_EQ(asked.size(), 2u); // the bottom cursor is not asked about
    EXPECT_EQ(scene->Objects.size(), 3u);
    EXPECT_EQ(middle.Picture, PictureOf(file));
    EXPECT_EQ(middle.Style, 0);
    EXPECT_TRUE(top.Picture.empty());
    EXPECT_TRUE(bottom.Picture.empty());
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(middle.Style, style);
}

TEST_F(LibraryDrop, TheHitTestReachesTheHandlesRoundTheObject) {
    const auto file = WritePicture(dir / "hand.png", 16, 16, Qt::yellow);
    TDemoObject& cursor = placeSized(TObjectKind::Cursor, 50, 50, 32, 32);
    drop(LibraryKind::Cursors, file, {47, 47}); // on the top-left handle, outside the rectangle
    ASSERT_EQ(asked.size(), 1u);
    asked.clear();
    drop(LibraryKind::Cursors, file, {46, 66}); // beside the left handle
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(cursor.Picture.empty());
}

TEST_F(LibraryDrop, AButtonPictureAsksAboutButtonsOnlyAndAsAnImage) {
    const auto file = WritePicture(dir / "ok.png", 60, 20, Qt::gray);
    placeSized(TObjectKind::Image, 0, 0, 100, 100);
    TDemoObject& button = placeSized(TObjectKind::Button, 10, 10, 80, 30);
    answers = {true};
    ASSERT_TRUE(drop(LibraryKind::Buttons, file, {20, 20}));
    EXPECT_EQ(asked, (std::vector<Asked>{{QStringLiteral("Change Image"),
                                          QStringLiteral("Change \"%1\" image?").arg(QString::fromStdString(button.Name))}}));
    EXPECT_EQ(button.Picture, PictureOf(file));
    EXPECT_EQ(button.Style, 0);

    // An image item over the same place asks about the image, not the button.
    asked.clear();
    ASSERT_TRUE(drop(LibraryKind::Images, file, {20, 20}));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, QStringLiteral("Change Image"));
    EXPECT_EQ(scene->Objects.size(), 3u); // answered No: a new image
}

TEST_F(LibraryDrop, AWavItemOnAnAudioObjectMakesItAWavSound) {
    const auto file = WriteSound(dir / "ding.wav", 7);
    TDemoObject& audio = placeSized(TObjectKind::Audio, 0, 0, 32, 32);
    audio.AudioData = {1, 2, 3};
    audio.AudioType = "MP3";
    document.markSaved();
    const auto before = bytes();
    answers = {true};
    ASSERT_TRUE(drop(LibraryKind::Audios, file, {4, 4}));
    EXPECT_EQ(asked, (std::vector<Asked>{{QStringLiteral("Change Audio"),
                                          QStringLiteral("Change \"%1\" audio?").arg(QString::fromStdString(audio.Name))}}));
    EXPECT_EQ(audio.AudioType, "WAV");
    EXPECT_EQ(audio.AudioData, readFileBytes(file));
    EXPECT_EQ(scene->Objects.size(), 1u);
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(audio.AudioType, "MP3");
}

TEST_F(LibraryDrop, AnMp3ItemOnAnEmptySpotAddsAnAudioObject) {
    const auto file = WriteSound(dir / "Tune.Mp3", 9);
    const auto before = bytes();
    ASSERT_TRUE(drop(LibraryKind::Audios, file, {40, 30}));
    ASSERT_EQ(scene->Objects.size(), 1u);
    const TDemoObject& audio = *scene->Objects[0];
    EXPECT_EQ(audio.Kind, TObjectKind::Audio);
    EXPECT_EQ(audio.AudioType, "MP3");
    EXPECT_EQ(audio.AudioData, readFileBytes(file));
    EXPECT_EQ(QPoint(audio.Left, audio.Top), QPoint(40, 30));
    expectUndoRedo(before, bytes());
}

// The size the "Cursor" and "Audio" tools give, from the picture shown; never the new object's box.
void ExpectShownSize(const TDemoObject& object) {
    const std::optional<NaturalObjectSize> shown = NaturalSize(object);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(QSize(object.Width, object.Height), QSize(shown->width, shown->height));
    EXPECT_NE(object.Width, TDemoObject().Width);
}

TEST_F(LibraryDrop, CursorsAndSoundsOnAnEmptySpotTakeTheSizeTheyAreShownAt) {
    const auto pointer = WritePicture(dir / "pointer.png", 12, 20, Qt::yellow);
    const auto tune = WriteSound(dir / "Tune.Mp3", 9);
    const auto before = bytes();
    ASSERT_TRUE(drop(LibraryKind::Cursors, pointer, {30, 40}));
    ASSERT_TRUE(drop(LibraryKind::Audios, tune, {200, 100}));
    ASSERT_EQ(scene->Objects.size(), 2u);
    const TDemoObject& cursor = *scene->Objects[0];
    const TDemoObject& audio = *scene->Objects[1];
    EXPECT_EQ(QPoint(cursor.Left, cursor.Top), QPoint(30, 40));
    ExpectShownSize(cursor);
    ExpectShownSize(audio);
    EXPECT_EQ(stack().count(), 2) << "each drop, sized, is one step";
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytes(), before);
    stack().redo();
    ExpectShownSize(*scene->Objects.at(0));
}

TEST_F(LibraryDrop, AGalleryObjectGetsAFreeNameTheNewObjectTimesAndTheDropPoint) {
    place(TObjectKind::Note); // Note1, starting at 0
    place(TObjectKind::Note); // Note2, 10 later
    const auto file = WriteGalleryObject(dir / "Note1.vto", TObjectKind::Note, "Note1", 50);
    const auto before = bytes();
    ASSERT_TRUE(drop(LibraryKind::Gallery, file, {70, 80}));
    ASSERT_EQ(scene->Objects.size(), 3u);
    ASSERT_EQ(document.selectedObjects().size(), 1u);
    const TDemoObject& dropped = *document.selectedObjects()[0];
    EXPECT_EQ(dropped.Name, "Note3");
    EXPECT_EQ(dropped.StartTime, 20); // not the 50 of the file
    EXPECT_EQ(dropped.EndTime, 50);
    EXPECT_EQ(QPoint(dropped.Left, dropped.Top), QPoint(70, 80));
    EXPECT_TRUE(asked.empty());
    expectUndoRedo(before, bytes());
}

TEST_F(LibraryDrop, AGalleryObjectPastTheSceneEndStartsAtZeroAndLengthensTheScene) {
    TDemoObject& late = place(TObjectKind::Note);
    late.StartTime = scene->Length - 5;
    late.EndTime = scene->Length;
    const auto file = WriteGalleryObject(dir / "Note9.vto", TObjectKind::Note, "Other", 50);
    ASSERT_TRUE(drop(LibraryKind::Gallery, file, {0, 0}));
    const TDemoObject& dropped = *document.selectedObjects().at(0);
    EXPECT_EQ(dropped.Name, "Other"); // a name not taken stays
    EXPECT_EQ(dropped.StartTime, 0);
    EXPECT_EQ(dropped.EndTime, 30);
}

TEST_F(LibraryDrop, FilesThatCannotBeReadSayWhyAndChangeNothing) {
    placeSized(TObjectKind::Cursor, 0, 0, 32, 32);
    const auto before = bytes();
    EXPECT_FALSE(drop(LibraryKind::Cursors, WriteGarbage(dir / "bad.png"), {5, 5}));
    EXPECT_FALSE(drop(LibraryKind::Images, dir / "gone.png", {5, 5}));
    EXPECT_FALSE(drop(LibraryKind::Audios, dir / "gone.wav", {5, 5}));
    EXPECT_FALSE(drop(LibraryKind::Gallery, WriteGarbage(dir / "Note1.vto"), {5, 5}));
    EXPECT_EQ(errors.size(), 4);
    for (const QString& error : errors)
        EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(errors[2].contains(QStringLiteral("gone.wav")));
    EXPECT_TRUE(asked.empty()); // nothing is offered before the file is read
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(LibraryDrop, WithoutACurrentSceneNothingHappens) {
    const auto file = WritePicture(dir / "photo.png", 8, 8, Qt::red);
    document.setCurrentScene(nullptr);
    EXPECT_FALSE(drop(LibraryKind::Images, file, {0, 0}));
    EXPECT_FALSE(drop(LibraryKind::Gallery, WriteGalleryObject(dir / "Note1.vto", TObjectKind::Note, "N"), {0, 0}));
    EXPECT_TRUE(scene->Objects.empty());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(stack().count(), 0);
}

} // namespace
} // namespace vantora::test
