// What the library lists show: entries per readable file in the listing order, captions, the
// thumbnails of each tab (stretched pictures, fitted gallery objects, the two sound icons), and
// the payload a drag out of a list carries.

#include "library_test_files.h"

#include "editor/library/library_drag_data.h"
#include "editor/library/library_entries.h"
#include "editor/library/library_thumbnails.h"
#include "test_support.h"

#include <QMimeData>

#include <gtest/gtest.h>

namespace vantora::test {
namespace {

QStringList Captions(const std::vector<LibraryEntry>& entries) {
    QStringList captions;
    for (const LibraryEntry& entry : entries)
        captions << entry.caption;
    return captions;
}

int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

class LibraryEntries : public testing::Test {
protected:
    TempDir dir;
};

TEST_F(LibraryEntries, EachTabMakesThumbnailsOfItsOwnSize) {
    const struct {
        LibraryKind kind;
        QSize size;
    } table[] = {{LibraryKind::Gallery, {64, 64}}, {LibraryKind::Cursors, {32, 32}}, {LibraryKind::Images, {64, 64}},
                 {LibraryKind::Buttons, {64, 32}}, {LibraryKind::Audios, {32, 32}}};
    WritePicture(dir / "p.png", 5, 7, Qt::red);
    WriteSound(dir / "s.wav", 1);
    WriteGalleryObject(dir / "Note1.vto", TObjectKind::Note, "Note1");
    for (const auto& row : table) {
        const std::vector<LibraryEntry> entries = ReadLibraryEntries(row.kind, dir.path());
        ASSERT_EQ(entries.size(), 1u) << LibraryName(row.kind);
        EXPECT_EQ(entries[0].thumbnail.size(), row.size) << LibraryName(row.kind);
    }
}

TEST_F(LibraryEntries, APictureIsStretchedOverTheWholeThumbnail) {
    WritePicture(dir / "tall.png", 4, 90, QColor(200, 10, 20));
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(LibraryKind::Buttons, dir.path());
    ASSERT_EQ(entries.size(), 1u);
    const QImage& thumbnail = entries[0].thumbnail;
    for (QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 31), QPoint(63, 31)}) {
        EXPECT_EQ(thumbnail.pixelColor(corner), QColor(200, 10, 20)) << corner.x() << "," << corner.y();
    }
}

TEST_F(LibraryEntries, PicturesAreListedByFileNameAndUnreadableOnesLeftOut) {
    WritePicture(dir / "b.png", 3, 3, Qt::blue);
    WritePicture(dir / "c.PNG", 3, 3, Qt::green);
    WriteGarbage(dir / "a.jpg");                     // named as a picture, but is none
    WritePicture(dir / "notes.txt", 3, 3, Qt::blue); // a picture with a name no mask takes
    std::filesystem::create_directories(dir / "d.png"); // a folder
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(LibraryKind::Images, dir.path());
    EXPECT_EQ(Captions(entries), (QStringList{QStringLiteral("b.png"), QStringLiteral("c.PNG")}));
    EXPECT_EQ(entries[1].file, dir / "c.PNG");
}

TEST_F(LibraryEntries, AMissingFolderGivesAnEmptyList) {
    for (LibraryKind kind : kLibraryFillOrder)
        EXPECT_TRUE(ReadLibraryEntries(kind, dir / "absent").empty()) << LibraryName(kind);
}

TEST_F(LibraryEntries, SoundsListTheMp3FilesFirstWithAnIconOfTheirOwn) {
    WriteSound(dir / "a.wav", 1);
    WriteSound(dir / "b.mp3", 2);
    WriteSound(dir / "c.wav", 3);
    WriteSound(dir / "d.MP3", 4);
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(LibraryKind::Audios, dir.path());
    EXPECT_EQ(Captions(entries), (QStringList{QStringLiteral("b.mp3"), QStringLiteral("d.MP3"), QStringLiteral("a.wav"),
                                              QStringLiteral("c.wav")}));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].thumbnail, entries[1].thumbnail);
    EXPECT_EQ(entries[2].thumbnail, entries[3].thumbnail);
    EXPECT_NE(entries[0].thumbnail, entries[2].thumbnail);
    // Something is drawn, and the corners stay transparent.
    EXPECT_EQ(Alpha(entries[0].thumbnail, 0, 0), 0);
    EXPECT_EQ(Alpha(entries[0].thumbnail, 16, 16), 255);
}

TEST_F(LibraryEntries, AGalleryObjectIsReducedToFitAndCentred) {
    WriteGalleryObject(dir / "Shape1.vto", TObjectKind::Shape, "Shape1", 0, 128, 64);
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(LibraryKind::Gallery, dir.path());
    ASSERT_EQ(entries.size(), 1u);
    const QImage& thumbnail = entries[0].thumbnail;
    // 128 x 64 becomes 64 x 32 at (0, 16).
    EXPECT_EQ(Alpha(thumbnail, 32, 8), 0);
    EXPECT_EQ(Alpha(thumbnail, 32, 56), 0);
    EXPECT_GT(Alpha(thumbnail, 32, 32), 0);
    EXPECT_GT(Alpha(thumbnail, 2, 32), 0);
}

TEST_F(LibraryEntries, ASmallGalleryObjectIsNotEnlarged) {
    WriteGalleryObject(dir / "Shape1.vto", TObjectKind::Shape, "Shape1", 0, 20, 20);
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(LibraryKind::Gallery, dir.path());
    ASSERT_EQ(entries.size(), 1u);
    const QImage& thumbnail = entries[0].thumbnail;
    // At (22, 22) - (41, 41).
    EXPECT_GT(Alpha(thumbnail, 32, 32), 0);
    EXPECT_EQ(Alpha(thumbnail, 18, 32), 0);
    EXPECT_EQ(Alpha(thumbnail, 45, 32), 0);
}

TEST_F(LibraryEntries, ADamagedGalleryFileIsLeftOut) {
    WriteGalleryObject(dir / "Note1.vto", TObjectKind::Note, "Note1");
    WriteGarbage(dir / "Note2.vto");
    auto truncated = readFileBytes(WriteGalleryObject(dir / "Note3.vto", TObjectKind::Note, "Note3"));
    truncated.resize(truncated.size() / 2);
    writeFileBytes(dir / "Note3.vto", truncated);
    WriteGalleryObject(dir / "Text1.vto", TObjectKind::Text, "Text1"); // no picture of its own: still listed
    EXPECT_EQ(Captions(ReadLibraryEntries(LibraryKind::Gallery, dir.path())),
              (QStringList{QStringLiteral("Note1.vto"), QStringLiteral("Text1.vto")}));
}

TEST_F(LibraryEntries, TheSoundTabHintMentionsPlaying) {
    EXPECT_EQ(LibraryHint(LibraryKind::Audios), QStringLiteral("Drag and Drop to Add, Double Click to Play"));
    for (LibraryKind kind : {LibraryKind::Gallery, LibraryKind::Cursors, LibraryKind::Images, LibraryKind::Buttons})
        EXPECT_EQ(LibraryHint(kind), QStringLiteral("Drag and Drop to Add"));
}

TEST(LibraryDragData, AnItemTravelsWithItsTabAndFile) {
    for (LibraryKind kind : kLibraryFillOrder) {
        const LibraryItemRef item{kind, QStringLiteral("/tmp/some folder/ä file.png")};
        const auto data = EncodeLibraryItem(item);
        EXPECT_EQ(DecodeLibraryItem(*data), item);
    }
}

TEST(LibraryDragData, OtherOrDamagedPayloadsCarryNoItem) {
    QMimeData text;
    text.setText(QStringLiteral("Images\n/tmp/a.png"));
    EXPECT_FALSE(DecodeLibraryItem(text));
    for (const char* payload : {"", "Images", "Images\n", "\n/tmp/a.png", "Sounds\n/tmp/a.wav", "images\n/tmp/a.png"}) {
        QMimeData data;
        data.setData(kLibraryItemMimeType, QByteArray(payload));
        EXPECT_FALSE(DecodeLibraryItem(data)) << payload;
    }
}

} // namespace
} // namespace vantora::test
