// Icons: the best entry is chosen, PNG entries decode with alpha, bitmap entries with their mask.

#include "picture/ico_decoder.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

TEST(PictureIco, ThirtyTwoBitEntryUsesItsAlphaChannel) {
    expectPixels(decodeFile("ico/argb32.ico"), kPatternWidth, kPatternHeight,
                 [](int x, int y) { return withAlpha(fullColour(x, y), patternAlpha(x, y)); });
}

TEST(PictureIco, PicksTheLargestEntryEvenWhenItIsAPng) {
    // 256 x 256 PNG entry (opaque on the left half only) beside a 13 x 7 bitmap entry.
    const RgbaImage image = decodeFile("ico/mixed.ico");
    ASSERT_EQ(image.width, 256);
    ASSERT_EQ(image.height, 256);
    EXPECT_EQ(image.pixel(0, 0), opaque(0, 128, 255));
    EXPECT_EQ(image.pixel(127, 255), opaque(0, 128, 255));
    EXPECT_EQ(alphaOf(image.pixel(128, 0)), 0);
}

TEST(PictureIco, PicksTheDeeperOfTwoEntriesOfOneSizeAndAppliesItsMask) {
    // An 8-bit entry whose mask hides the diagonal and column 7, beside a 4-bit entry.
    expectPixels(decodeFile("ico/indexed.ico"), 8, 8, [](int x, int y) {
        return x == y || x == 7 ? withAlpha(paletteColour(paletteIndex(x, y, 40)), 0)
                                : paletteColour(paletteIndex(x, y, 40));
    });
}

TEST(PictureIco, PngEntryKeepsItsAlpha) {
    expectPixels(decodeFile("ico/png_entry.ico"), kPatternWidth, kPatternHeight,
                 [](int x, int y) { return withAlpha(fullColour(x, y), patternAlpha(x, y)); });
}

TEST(PictureIco, FallsBackToTheNextEntryWhenTheBestIsDamaged) {
    std::vector<std::uint8_t> bytes = pictureBytes("ico/indexed.ico");
    // The 8-bit entry is the second one; break its header size so the BMP reader refuses it.
    const std::size_t offset = bytes[6 + 16 + 12] | (bytes[6 + 16 + 13] << 8);
    bytes[offset] = 7;
    std::string error;
    const RgbaImage image = decodeIco(bytes, error);
    expectPixels(image, 8, 8, [](int x, int y) { return paletteColour(paletteIndex(x, y, 12)); });
}

TEST(PictureIco, DirectoryPointingOutsideTheFileFails) {
    std::vector<std::uint8_t> bytes = pictureBytes("ico/argb32.ico");
    bytes[6 + 12] = 0xF0; // entry offset far past the end
    bytes[6 + 13] = 0xFF;
    std::string error;
    EXPECT_TRUE(decodeIco(bytes, error).empty());
    EXPECT_NE(error.find("no readable image"), std::string::npos) << error;
}

} // namespace
} // namespace vantora::test
