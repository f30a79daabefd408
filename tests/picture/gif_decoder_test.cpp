// GIF pictures: the first frame on its logical screen, with the transparent colour as alpha 0.

#include "picture/gif_decoder.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

std::uint32_t binaryPattern(int x, int y) {
    return (x + y) % 4 == 0 ? 0u : paletteColour(paletteIndex(x, y, 12));
}

// Transparent pixels carry no colour: compare alpha only there.
std::uint32_t withoutHiddenColour(std::uint32_t pixel) { return alphaOf(pixel) == 0 ? 0u : pixel; }

TEST(PictureGif, TransparentIndexBecomesAlphaZero) {
    for (const char* file : {"gif/transparent.gif", "gif/interlaced.gif"}) {
        SCOPED_TRACE(file);
        RgbaImage image = decodeFile(file);
        for (std::uint32_t& pixel : image.pixels)
            pixel = withoutHiddenColour(pixel);
        expectPixels(image, kPatternWidth, kPatternHeight, binaryPattern);
    }
}

TEST(PictureGif, FirstFrameSitsAtItsOffsetOnTheLogicalScreen) {
    // A 4 x 3 red frame at (3, 2) on a 10 x 8 screen; the second, full-screen frame is not shown.
    expectPixels(decodeFile("gif/offset_frame.gif"), 10, 8, [](int x, int y) {
        return x >= 3 && x < 7 && y >= 2 && y < 5 ? opaque(255, 0, 0) : 0u;
    });
}

TEST(PictureGif, FileWithoutImageFails) {
    std::vector<std::uint8_t> bytes = pictureBytes("gif/transparent.gif");
    // Header, screen descriptor and global colour table (flag bits give its size), then the trailer.
    const std::size_t tableSize = (bytes[10] & 0x80) ? 3u << ((bytes[10] & 7) + 1) : 0;
    bytes.resize(13 + tableSize);
    bytes.push_back(0x3B);
    std::string error;
    EXPECT_TRUE(decodeGif(bytes, error).empty());
    EXPECT_NE(error.find("no image"), std::string::npos) << error;
}

TEST(PictureGif, FrameLargerThanTheLimitIsRefusedBeforeDecoding) {
    std::vector<std::uint8_t> bytes = pictureBytes("gif/transparent.gif");
    bytes[6] = bytes[7] = bytes[8] = bytes[9] = 0xFF; // a 65535 x 65535 screen
    std::string error;
    EXPECT_TRUE(decodeGif(bytes, error).empty());
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

} // namespace
} // namespace vantora::test
