// JPEG decoding of every colour model and progressive files, and encoding at a given quality.

#include "picture/jpeg_codec.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

// Pixels at least two away from a block edge: JPEG keeps flat areas nearly exact at quality 100.
void expectBlocks(const RgbaImage& image, int tolerance, bool grey = false) {
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 16);
    const int probes[] = {1, 5, 10, 14};
    for (int y : probes)
        for (int x : probes) {
            std::uint32_t expected = blockColour(x, y);
            if (grey) {
                // ImageMagick made the file with Rec. 709 weights.
                const int luma = (2126 * redOf(expected) + 7152 * greenOf(expected) + 722 * blueOf(expected) + 5000) / 10000;
                expected = opaque(luma, luma, luma);
            }
            EXPECT_TRUE(near(image.pixel(x, y), expected, tolerance))
                << "pixel (" << x << ", " << y << ") is " << hex(image.pixel(x, y)) << ", expected about " << hex(expected);
        }
}

TEST(PictureJpeg, DecodesBaselineProgressiveGreyAndCmyk) {
    expectBlocks(decodeFile("jpeg/blocks.jpg"), 6);
    expectBlocks(decodeFile("jpeg/progressive.jpg"), 6);
    expectBlocks(decodeFile("jpeg/grey.jpg"), 6, true);
    expectBlocks(decodeFile("jpeg/cmyk.jpg"), 8);
}

TEST(PictureJpeg, EveryPixelIsOpaque) {
    const RgbaImage image = decodeFile("jpeg/progressive.jpg");
    for (std::uint32_t pixel : image.pixels)
        ASSERT_EQ(alphaOf(pixel), 255);
}

RgbaImage blocksImage() {
    RgbaImage image;
    image.width = 16;
    image.height = 16;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.pixels.push_back(withAlpha(blockColour(x, y), static_cast<std::uint8_t>(x * 16)));
    return image;
}

TEST(PictureJpeg, EncodedFileDecodesToTheSamePictureWithoutAlpha) {
    std::string error;
    const std::vector<std::uint8_t> jpeg = encodeJpeg(blocksImage(), kMovieJpegQuality, &error);
    ASSERT_FALSE(jpeg.empty()) << error;
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
    const RgbaImage back = decodeJpeg(jpeg, error);
    ASSERT_FALSE(back.empty()) << error;
    expectBlocks(back, 4); // opaque: the source's alpha is dropped
}

TEST(PictureJpeg, QualityChangesTheSizeAndIsClamped) {
    RgbaImage noisy;
    noisy.width = noisy.height = 64;
    for (int i = 0; i < 64 * 64; ++i)
        noisy.pixels.push_back(opaque((i * 7919) & 255, (i * 104729) & 255, (i * 31) & 255));
    const auto best = encodeJpeg(noisy, 100);
    const auto poor = encodeJpeg(noisy, 10);
    ASSERT_FALSE(best.empty());
    ASSERT_FALSE(poor.empty());
    EXPECT_LT(poor.size(), best.size());
    EXPECT_EQ(encodeJpeg(noisy, 1000), best);
}

TEST(PictureJpeg, RefusesToEncodeAnEmptyOrInconsistentImage) {
    std::string error;
    EXPECT_TRUE(encodeJpeg(RgbaImage{}, 100, &error).empty());
    EXPECT_FALSE(error.empty());
    RgbaImage wrong;
    wrong.width = 4;
    wrong.height = 4;
    wrong.pixels.resize(3);
    EXPECT_TRUE(encodeJpeg(wrong, 100, &error).empty());
}

TEST(PictureJpeg, DamagedEntropyDataFailsInsteadOfGreyingOut) {
    std::vector<std::uint8_t> bytes = pictureBytes("jpeg/blocks.jpg");
    // Cut the file short in the middle of the scan data and close it with an end-of-image marker.
    std::size_t scan = 0;
    for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA)
            scan = i + 2 + (bytes[i + 2] << 8 | bytes[i + 3]);
    ASSERT_GT(scan, 0u);
    ASSERT_LT(scan + 4, bytes.size());
    bytes.resize((scan + bytes.size() - 2) / 2);
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    std::string error;
    EXPECT_TRUE(decodeJpeg(bytes, error).empty());
    EXPECT_NE(error.find("damaged"), std::string::npos) << error;
}

// Start of the last scan (its SOS marker) and the end-of-image marker of a JPEG file.
std::pair<std::size_t, std::size_t> lastScan(const std::vector<std::uint8_t>& bytes) {
    std::size_t scan = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA)
            scan = i;
    return {scan, bytes.size() - 2};
}

TEST(PictureJpeg, ProgressiveFileWithEndlessScansIsRefused) {
    // Repeating a scan is only a warning to libjpeg, but each repeat walks the whole picture again.
    const std::vector<std::uint8_t> original = pictureBytes("jpeg/progressive.jpg");
    const auto [scan, end] = lastScan(original);
    ASSERT_GT(scan, 0u);
    std::vector<std::uint8_t> bytes(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(end));
    for (int i = 0; i < 600; ++i)
        bytes.insert(bytes.end(), original.begin() + static_cast<std::ptrdiff_t>(scan),
                     original.begin() + static_cast<std::ptrdiff_t>(end));
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    std::string error;
    EXPECT_TRUE(decodeJpeg(bytes, error).empty());
    EXPECT_NE(error.find("too many scans"), std::string::npos) << error;

    // A few repeats are harmless and still decode.
    std::vector<std::uint8_t> few(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(end));
    few.insert(few.end(), original.begin() + static_cast<std::ptrdiff_t>(scan), original.begin() + static_cast<std::ptrdiff_t>(end));
    few.push_back(0xFF);
    few.push_back(0xD9);
    expectBlocks(decodeJpeg(few, error), 6);
}

} // namespace
} // namespace vantora::test
