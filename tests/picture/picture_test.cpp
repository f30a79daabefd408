// The owned picture: loading files, keeping their bytes exactly, decoding on demand.

#include "picture/picture.h"
#include "picture/picture_format.h"

#include "test_patterns.h"

#include <filesystem>

namespace vantora::test {
namespace {

const char* const kAllFiles[] = {
    "bmp/indexed1.bmp", "bmp/indexed4.bmp", "bmp/indexed8.bmp", "bmp/rle4.bmp",  "bmp/rle8.bmp",
    "bmp/rle8_delta.bmp", "bmp/rgb16.bmp", "bmp/rgb24.bmp", "bmp/rgb32.bmp", "bmp/rgb32_topdown.bmp",
    "bmp/argb32.bmp", "jpeg/blocks.jpg", "jpeg/progressive.jpg", "jpeg/grey.jpg", "jpeg/cmyk.jpg",
    "png/rgba.png", "png/palette_trns.png", "png/interlaced.png", "png/grey16.png", "gif/transparent.gif",
    "gif/interlaced.gif", "gif/offset_frame.gif", "ico/argb32.ico", "ico/mixed.ico", "ico/indexed.ico",
    "ico/png_entry.ico", "metafile/placeable.wmf", "metafile/header.emf",
};

TEST(PictureLoad, EveryTestFileLoadsWithItsBytesUnchanged) {
    for (const char* file : kAllFiles) {
        SCOPED_TRACE(file);
        Picture picture;
        std::string error;
        ASSERT_TRUE(picture.loadFromFile(dataFile(std::string("picture/") + file), &error)) << error;
        EXPECT_EQ(picture.bytes(), pictureBytes(file));
        EXPECT_EQ(picture.format(), pictureFormatFromFileName(file));
        // Saving writes bytes(); a copy made from them is the same picture.
        const Picture copy(picture.format(), picture.bytes());
        EXPECT_EQ(copy, picture);
        if (picture.format() != PictureFormat::Metafile) {
            EXPECT_FALSE(picture.decode().empty());
        }
    }
}

TEST(PictureLoad, BytesDecideTheFormatWhateverTheExtension) {
    TempDir dir;
    const auto misnamed = dir / "really_a_png.bmp";
    const std::vector<std::uint8_t> png = pictureBytes("png/rgba.png");
    writeFileBytes(misnamed, {png.begin(), png.end()});
    Picture picture;
    std::string error;
    ASSERT_TRUE(picture.loadFromFile(misnamed, &error)) << error;
    EXPECT_EQ(picture.format(), PictureFormat::Png);
}

TEST(PictureLoad, FailuresLeaveThePictureUnchanged) {
    TempDir dir;
    Picture picture;
    std::string error;
    ASSERT_TRUE(picture.loadFromFile(dataFile("picture/gif/transparent.gif"), &error)) << error;
    const std::vector<std::uint8_t> before = picture.bytes();

    EXPECT_FALSE(picture.loadFromFile(dir / "missing.png", &error));
    EXPECT_NE(error.find("cannot be found"), std::string::npos) << error;

    const auto notPicture = dir / "notes.jpg";
    writeFileBytes(notPicture, {'n', 'o', 't', 'e', 's'});
    EXPECT_FALSE(picture.loadFromFile(notPicture, &error));
    EXPECT_NE(error.find("not a valid JPEG file"), std::string::npos) << error;

    const auto damaged = dir / "damaged.png";
    std::vector<std::uint8_t> png = pictureBytes("png/rgba.png");
    png.resize(png.size() / 2);
    writeFileBytes(damaged, {png.begin(), png.end()});
    EXPECT_FALSE(picture.loadFromFile(damaged, &error));
    EXPECT_NE(error.find("damaged.png"), std::string::npos) << error;

    EXPECT_FALSE(picture.loadFromFile(dir.path(), &error)); // a folder is not a file
    EXPECT_EQ(picture.format(), PictureFormat::Gif);
    EXPECT_EQ(picture.bytes(), before);
}

TEST(PictureDecode, EmptyAndMetafilePicturesGiveAReason) {
    std::string error;
    EXPECT_TRUE(Picture().decode(&error).empty());
    EXPECT_EQ(error, "The picture is empty.");
    Picture metafile;
    ASSERT_TRUE(metafile.loadFromBytes(pictureBytes("metafile/placeable.wmf"), &error)) << error;
    EXPECT_EQ(metafile.format(), PictureFormat::Metafile);
    EXPECT_TRUE(metafile.decode(&error).empty());
    EXPECT_NE(error.find("not drawn"), std::string::npos) << error;
}

TEST(PictureDecode, FormatThatDoesNotMatchTheBytesFailsCleanly) {
    // A project file may claim any format for any bytes.
    const Picture wrong(PictureFormat::Jpeg, pictureBytes("png/rgba.png"));
    std::string error;
    EXPECT_TRUE(wrong.decode(&error).empty());
    EXPECT_NE(error.find("not a JPEG"), std::string::npos) << error;
}

TEST(PictureDecode, CallerLimitsApply) {
    Picture picture;
    ASSERT_TRUE(picture.loadFromBytes(pictureBytes("png/rgba.png")));
    DecodeLimits limits;
    limits.maxSide = kPatternWidth - 1;
    std::string error;
    EXPECT_TRUE(picture.decode(limits, &error).empty());
    EXPECT_FALSE(error.empty());
}

TEST(PictureBytes, EqualityComparesFormatAndBytes) {
    const std::vector<std::uint8_t> bytes = pictureBytes("gif/transparent.gif");
    EXPECT_EQ(Picture(PictureFormat::Gif, bytes), Picture(PictureFormat::Gif, bytes));
    EXPECT_NE(Picture(PictureFormat::Gif, bytes), Picture(PictureFormat::Png, bytes));
    ASSERT_FALSE(bytes.empty());
    std::vector<std::uint8_t> changed = bytes;
    changed[changed.size() - 1] ^= 1;
    EXPECT_NE(Picture(PictureFormat::Gif, bytes), Picture(PictureFormat::Gif, changed));
    // Empty bytes make an empty picture whatever format was named.
    EXPECT_EQ(Picture(PictureFormat::Png, {}), Picture());
}

TEST(PictureBytes, LoadFromBytesRejectsUnknownDataAndKeepsTheOldPicture) {
    Picture picture;
    ASSERT_TRUE(picture.loadFromBytes(pictureBytes("jpeg/blocks.jpg")));
    std::string error;
    EXPECT_FALSE(picture.loadFromBytes({1, 2, 3, 4, 5}, &error));
    EXPECT_FALSE(picture.loadFromBytes({}, &error));
    EXPECT_EQ(picture.format(), PictureFormat::Jpeg);
    EXPECT_EQ(picture.bytes(), pictureBytes("jpeg/blocks.jpg"));
}

} // namespace
} // namespace vantora::test
