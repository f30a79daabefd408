// Formats told by magic numbers, file name extensions and stored class names.

#include "picture/picture_format.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

struct FileFormat {
    const char* file;
    PictureFormat format;
};

class PictureFormatDetection : public ::testing::TestWithParam<FileFormat> {};

TEST_P(PictureFormatDetection, MagicNumberAndExtensionAgree) {
    const FileFormat& c = GetParam();
    EXPECT_EQ(detectPictureFormat(pictureBytes(c.file)), c.format);
    EXPECT_EQ(pictureFormatFromFileName(c.file), c.format);
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFormatDetection,
                         ::testing::Values(FileFormat{"bmp/rgb24.bmp", PictureFormat::Bitmap},
                                           FileFormat{"jpeg/blocks.jpg", PictureFormat::Jpeg},
                                           FileFormat{"png/rgba.png", PictureFormat::Png},
                                           FileFormat{"gif/transparent.gif", PictureFormat::Gif},
                                           FileFormat{"ico/argb32.ico", PictureFormat::Icon},
                                           FileFormat{"metafile/placeable.wmf", PictureFormat::Metafile},
                                           FileFormat{"metafile/header.emf", PictureFormat::Metafile}));

TEST(PictureFormatDetection, UnknownOrTooShortBytesAreNoFormat) {
    const std::vector<std::uint8_t> none;
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    const std::vector<std::uint8_t> halfPng = {0x89, 'P', 'N', 'G'};
    const std::vector<std::uint8_t> iconWithoutEntries = {0, 0, 1, 0, 0, 0};
    const std::vector<std::uint8_t> gif88 = {'G', 'I', 'F', '8', '8', 'a'};
    for (const auto* bytes : {&none, &text, &halfPng, &iconWithoutEntries, &gif88})
        EXPECT_EQ(detectPictureFormat(*bytes), PictureFormat::Empty);
}

TEST(PictureFormatDetection, ExtensionsAreCaseInsensitive) {
    EXPECT_EQ(pictureFormatFromFileName("SHOT.JPEG"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatFromFileName("a/b/c.Dib"), PictureFormat::Bitmap);
    EXPECT_EQ(pictureFormatFromFileName("x.EMF"), PictureFormat::Metafile);
    EXPECT_EQ(pictureFormatFromFileName("x.cur"), PictureFormat::Icon);
    EXPECT_EQ(pictureFormatFromFileName("x.tif"), PictureFormat::Empty);
    EXPECT_EQ(pictureFormatFromFileName("png"), PictureFormat::Empty);
}

TEST(PictureClassNames, EachFormatHasItsStoredName) {
    EXPECT_EQ(pictureClassName(PictureFormat::Bitmap), "TBitmap");
    EXPECT_EQ(pictureClassName(PictureFormat::Jpeg), "TJPEGImage");
    EXPECT_EQ(pictureClassName(PictureFormat::Png), "TPNGObject");
    EXPECT_EQ(pictureClassName(PictureFormat::Gif), "TGIFImage");
    EXPECT_EQ(pictureClassName(PictureFormat::Icon), "TIcon");
    EXPECT_EQ(pictureClassName(PictureFormat::Metafile), "TMetafile");
    EXPECT_EQ(pictureClassName(PictureFormat::Empty), "");
}

TEST(PictureClassNames, StoredNamesAreMatchedIgnoringCase) {
    EXPECT_EQ(pictureFormatFromClassName("TPngObject"), PictureFormat::Png);
    EXPECT_EQ(pictureFormatFromClassName("tjpegimage"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatFromClassName("TGIFIMAGE"), PictureFormat::Gif);
    EXPECT_EQ(pictureFormatFromClassName(""), PictureFormat::Empty);
    EXPECT_EQ(pictureFormatFromClassName("TWicImage"), std::nullopt);
    EXPECT_EQ(pictureFormatFromClassName("TBitmap "), std::nullopt);
    for (PictureFormat format : {PictureFormat::Bitmap, PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Gif,
                                 PictureFormat::Icon, PictureFormat::Metafile})
        EXPECT_EQ(pictureFormatFromClassName(pictureClassName(format)), format);
}

} // namespace
} // namespace vantora::test
