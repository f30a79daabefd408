#pragma once
// The pixel patterns of the files in tests/data/picture, as make_test_pictures.py draws them.

#include "picture/picture.h"
#include "picture/rgba_image.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace vantora::test {

inline constexpr int kPatternWidth = 13;
inline constexpr int kPatternHeight = 7;

inline std::uint32_t opaque(int r, int g, int b) {
    return packArgb(255, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
}

inline std::uint32_t fullColour(int x, int y) { return opaque((x * 40 + 10) & 255, (y * 60 + 5) & 255, ((x + y) * 25) & 255); }
inline std::uint8_t patternAlpha(int x, int y) { return static_cast<std::uint8_t>((x * 20 + y * 30) % 256); }
inline std::uint32_t paletteColour(int i) { return opaque((i * 53 + 7) & 255, (i * 101 + 3) & 255, (i * 29 + 200) & 255); }
inline int paletteIndex(int x, int y, int n) { return (x + 3 * y) % n; }
inline std::uint32_t withAlpha(std::uint32_t argb, std::uint8_t alpha) { return (argb & 0x00FFFFFFu) | (std::uint32_t{alpha} << 24); }

// The 16 x 16 JPEG picture: four flat 8 x 8 blocks red, green / blue, white.
inline std::uint32_t blockColour(int x, int y) {
    static const std::uint32_t kBlocks[2][2] = {{0xFFFF0000u, 0xFF00FF00u}, {0xFF0000FFu, 0xFFFFFFFFu}};
    return kBlocks[y / 8][x / 8];
}

inline std::string hex(std::uint32_t argb) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", argb);
    return text;
}

// Checks every pixel against `expected(x, y)`; stops at the first few differences.
template <typename Expected>
void expectPixels(const RgbaImage& image, int width, int height, Expected expected) {
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(width) * height);
    int failures = 0;
    for (int y = 0; y < height && failures < 5; ++y)
        for (int x = 0; x < width && failures < 5; ++x)
            if (image.pixel(x, y) != expected(x, y)) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << hex(image.pixel(x, y)) << ", expected "
                              << hex(expected(x, y));
                ++failures;
            }
}

// True when every channel of the two pixels is within `tolerance`.
inline bool near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255)) > tolerance)
            return false;
    return true;
}

inline std::vector<std::uint8_t> pictureBytes(const std::string& relative) {
    const std::vector<unsigned char> bytes = readFileBytes(dataFile("picture/" + relative));
    return {bytes.begin(), bytes.end()};
}

// Decodes a test file through Picture, which is how the rest of the program decodes.
inline RgbaImage decodeFile(const std::string& relative, std::string* error = nullptr) {
    Picture picture;
    std::string loadError;
    if (!picture.loadFromBytes(pictureBytes(relative), &loadError)) {
        ADD_FAILURE() << relative << ": " << loadError;
        return {};
    }
    std::string decodeError;
    RgbaImage image = picture.decode(&decodeError);
    if (error)
        *error = decodeError;
    else
        EXPECT_FALSE(image.empty()) << relative << ": " << decodeError;
    return image;
}

} // namespace vantora::test
