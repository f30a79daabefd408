// Byte layouts of the value encoders, and their refusal of impossible lengths.

#include "storage/value_codec.h"

#include "sample_projects.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes le32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(ValueLayout, TextIsLengthThenAnsiBytesWithoutTerminator) {
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WriteText(out, "Café €", error));
    EXPECT_EQ(out.bytes(), concat({le32(6), {'C', 'a', 'f', 0xE9, ' ', 0x80}}));

    ByteWriter empty;
    ASSERT_TRUE(WriteText(empty, "", error));
    EXPECT_EQ(empty.bytes(), le32(0));
}

TEST(ValueLayout, FontIsFaceColourPointSizeAndStyleBits) {
    TObjectFont font;
    font.Name = "Arial";
    font.Color = 0x00123456;
    font.Height = -13; // 10 points
    font.Bold = true;
    font.Underline = true;
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WriteFont(out, font, error));
    EXPECT_EQ(out.bytes(), concat({le32(5), {'A', 'r', 'i', 'a', 'l'}, le32(0x00123456), le32(10), {0x05}}));

    ByteReader in(out.bytes());
    TObjectFont back;
    ASSERT_TRUE(ReadFont(in, back, error));
    EXPECT_EQ(back.Name, "Arial");
    EXPECT_EQ(back.Color, 0x00123456u);
    EXPECT_EQ(back.Height, -13);
    EXPECT_TRUE(back.Bold && back.Underline && !back.Italic && !back.StrikeOut);
}

TEST(ValueLayout, EmptyPictureIsAZeroLengthName) {
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WritePicture(out, Picture{}, error));
    EXPECT_EQ(out.bytes(), le32(0));
}

TEST(ValueLayout, PictureIsClassNameSizeAndTheFormatsOwnBytes) {
    const Bytes gif = test::SampleGif();
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WritePicture(out, Picture(PictureFormat::Gif, gif), error));
    EXPECT_EQ(out.bytes(), concat({le32(9), {'T', 'G', 'I', 'F', 'I', 'm', 'a', 'g', 'e'},
                                   le32(static_cast<std::int32_t>(gif.size())), gif}));
}

struct FormatCase {
    PictureFormat format;
    const char* className;
    Bytes (*sample)();
};

class PictureFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PictureFormats, AreWrittenUnderTheirClassNameAndReadBack) {
    const FormatCase& c = GetParam();
    const Picture picture(c.format, c.sample());
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WritePicture(out, picture, error));
    const std::string name(c.className);
    ASSERT_GE(out.size(), 4 + name.size());
    EXPECT_EQ(std::string(out.bytes().begin() + 4, out.bytes().begin() + 4 + static_cast<long>(name.size())), name);

    ByteReader in(out.bytes());
    Picture back;
    ASSERT_TRUE(ReadPicture(in, back, error)) << error.description;
    EXPECT_EQ(back.format(), c.format);
    EXPECT_EQ(back.bytes(), picture.bytes());
    EXPECT_TRUE(in.atEnd());
}

INSTANTIATE_TEST_SUITE_P(AllSix, PictureFormats,
                         ::testing::Values(FormatCase{PictureFormat::Bitmap, "TBitmap", &test::SampleBmp},
                                           FormatCase{PictureFormat::Jpeg, "TJPEGImage", &test::SampleJpeg},
                                           FormatCase{PictureFormat::Png, "TPNGObject", &test::SamplePng},
                                           FormatCase{PictureFormat::Gif, "TGIFImage", &test::SampleGif},
                                           FormatCase{PictureFormat::Icon, "TIcon", &test::SampleIco},
                                           FormatCase{PictureFormat::Metafile, "TMetafile", &test::SampleWmf}));

TEST(PictureReading, ClassNamesMatchIgnoringCase) {
    const Bytes png = test::SamplePng();
    const Bytes data = concat({le32(10), {'T', 'P', 'n', 'g', 'O', 'b', 'j', 'e', 'c', 't'},
                               le32(static_cast<std::int32_t>(png.size())), png});
    ByteReader in(data);
    Picture picture;
    RecordError error;
    ASSERT_TRUE(ReadPicture(in, picture, error));
    EXPECT_EQ(picture.format(), PictureFormat::Png);
}

TEST(PictureReading, RefusesUnknownNamesAndBytesOfAnotherFormat) {
    RecordError unknown;
    const Bytes named = concat({le32(8), {'T', 'W', 'e', 'b', 'P', 'I', 'm', 'g'}, le32(0)});
    ByteReader in(named);
    Picture picture;
    EXPECT_FALSE(ReadPicture(in, picture, unknown));
    EXPECT_EQ(unknown.code, StorageErrorCode::ReadPicture);

    const Bytes gif = test::SampleGif();
    const Bytes mislabelled = concat({le32(7), {'T', 'B', 'i', 't', 'm', 'a', 'p'}, le32(static_cast<std::int32_t>(gif.size())), gif});
    ByteReader in2(mislabelled);
    RecordError wrong;
    EXPECT_FALSE(ReadPicture(in2, picture, wrong));
    EXPECT_EQ(wrong.code, StorageErrorCode::ReadPicture);
}

TEST(ValueLayout, AnimationBlockIs265BytesWithoutPadding) {
    TAnimationSettings settings;
    settings.StopWithScene = false;
    settings.ObjectCenter = 10;
    settings.Fade = {1, 2, 3, 4, 5, 6, 7};
    settings.LocationY = {-1, -2, -3, -4, -5, -6, -7};
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WriteAnimation(out, settings, error));
    ASSERT_EQ(out.size(), kAnimationBlockBytes);
    ASSERT_EQ(out.size(), 265u);
    EXPECT_EQ(out.bytes()[0], 0);
    EXPECT_EQ(Bytes(out.bytes().begin() + 1, out.bytes().begin() + 5), le32(10));
    // The first channel follows the three integers directly: Fade's seven values in stored order.
    EXPECT_EQ(Bytes(out.bytes().begin() + 13, out.bytes().begin() + 41),
              concat({le32(1), le32(2), le32(3), le32(4), le32(5), le32(6), le32(7)}));
    // The last channel ends the block.
    EXPECT_EQ(Bytes(out.bytes().end() - 4, out.bytes().end()), le32(-7));

    ByteReader in(out.bytes());
    TAnimationSettings back;
    ASSERT_TRUE(ReadAnimation(in, back, error));
    EXPECT_EQ(back, settings);
}

TEST(ValueReading, LengthsBeyondTheDataAreRefusedWithTheEncodersCode) {
    for (std::int32_t length : {-1, 5, 0x7FFFFFFF, static_cast<std::int32_t>(0x80000000)}) {
        const Bytes data = concat({le32(length), {'a', 'b', 'c', 'd'}});
        ByteReader in(data);
        std::string text;
        RecordError error;
        EXPECT_FALSE(ReadText(in, text, error)) << length;
        EXPECT_EQ(error.code, StorageErrorCode::ReadText);
    }
}

TEST(ValueReading, TruncatedValuesFailWithTheirOwnCode) {
    RecordError error;
    TAnimationChannel channel;
    const Bytes shortChannel(27, 0);
    ByteReader in(shortChannel);
    EXPECT_FALSE(ReadChannel(in, channel, error));
    EXPECT_EQ(error.code, StorageErrorCode::ReadChannel);

    RecordError fontError;
    TObjectFont font;
    const Bytes shortFont = concat({le32(1), {'A'}, le32(0), le32(10)}); // style byte missing
    ByteReader in2(shortFont);
    EXPECT_FALSE(ReadFont(in2, font, fontError));
    EXPECT_EQ(fontError.code, StorageErrorCode::ReadFont);
}

TEST(ValueReading, TheInnermostFailureIsTheOneReported) {
    // A font whose face name is cut short: the text reader's failure, not the font's.
    const Bytes data = concat({le32(10), {'A', 'r'}});
    ByteReader in(data);
    TObjectFont font;
    RecordError error;
    EXPECT_FALSE(ReadFont(in, font, error));
    EXPECT_EQ(error.code, StorageErrorCode::ReadText);
}

} // namespace
} // namespace vantora
