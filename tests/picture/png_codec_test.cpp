// PNG decoding of every colour type with alpha kept, and encoding with alpha.

#include "picture/png_codec.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

TEST(PicturePng, KeepsStraightAlphaOfAnRgbaFile) {
    expectPixels(decodeFile("png/rgba.png"), kPatternWidth, kPatternHeight,
                 [](int x, int y) { return withAlpha(fullColour(x, y), patternAlpha(x, y)); });
}

TEST(PicturePng, PaletteTransparencyBecomesAlpha) {
    const RgbaImage image = decodeFile("png/palette_trns.png");
    ASSERT_EQ(image.width, kPatternWidth);
    ASSERT_EQ(image.height, kPatternHeight);
    for (int y = 0; y < kPatternHeight; ++y)
        for (int x = 0; x < kPatternWidth; ++x) {
            if ((x + y) % 4 == 0) {
                EXPECT_EQ(alphaOf(image.pixel(x, y)), 0) << x << ", " << y;
            } else {
                EXPECT_EQ(image.pixel(x, y), paletteColour(paletteIndex(x, y, 12))) << x << ", " << y;
            }
        }
}

TEST(PicturePng, InterlacedAndSixteenBitGreyFilesDecode) {
    expectPixels(decodeFile("png/interlaced.png"), kPatternWidth, kPatternHeight, fullColour);
    const RgbaImage grey = decodeFile("png/grey16.png");
    ASSERT_EQ(grey.width, 16);
    ASSERT_EQ(grey.height, 16);
    EXPECT_EQ(grey.pixel(15, 15), opaque(255, 255, 255)); // the white block
    const std::uint32_t red = grey.pixel(0, 0);
    EXPECT_EQ(redOf(red), greenOf(red));
    EXPECT_EQ(greenOf(red), blueOf(red));
    EXPECT_EQ(alphaOf(red), 255);
}

TEST(PicturePng, EncodedFileDecodesToTheSamePixelsAndAlpha) {
    RgbaImage image;
    image.width = 31;
    image.height = 17;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back(withAlpha(fullColour(x, y), patternAlpha(x, y)));
    std::string error;
    const std::vector<std::uint8_t> png = encodePng(image, &error);
    ASSERT_FALSE(png.empty()) << error;
    const RgbaImage back = decodePng(png, error);
    ASSERT_FALSE(back.empty()) << error;
    EXPECT_EQ(back.width, image.width);
    EXPECT_EQ(back.height, image.height);
    EXPECT_EQ(back.pixels, image.pixels);
}

TEST(PicturePng, RefusesToEncodeAnEmptyImage) {
    std::string error;
    EXPECT_TRUE(encodePng(RgbaImage{}, &error).empty());
    EXPECT_FALSE(error.empty());
}

TEST(PicturePng, SizeLimitIsSixteenThousandThreeHundredEightyFourPixelsASide) {
    RgbaImage line;
    line.width = 16384;
    line.height = 1;
    line.pixels.assign(16384, 0xFF102030u);
    std::string error;
    const RgbaImage fits = decodePng(encodePng(line), error);
    EXPECT_EQ(fits.width, 16384) << error;
    line.width = 16385;
    line.pixels.push_back(0xFF102030u);
    EXPECT_TRUE(decodePng(encodePng(line), error).empty());
    EXPECT_FALSE(error.empty());
}

TEST(PicturePng, BadChunkChecksumFails) {
    std::vector<std::uint8_t> bytes = pictureBytes("png/rgba.png");
    bytes[29] ^= 0xFF; // inside the IHDR checksum
    std::string error;
    EXPECT_TRUE(decodePng(bytes, error).empty());
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace vantora::test
