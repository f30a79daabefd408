// Icons: the best entry is chosen, PNG entries decode with alpha, bitmap entries with their mask.

#include "picture/ico_decoder.h"

#include "test_patterns.h"

namespace vantora::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t le32At(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

void putLe(Bytes& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putBe32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The data of directory entry `index` of a test icon.
Bytes entryData(const char* file, int index) {
    const Bytes icon = pictureBytes(file);
    const std::size_t at = 6 + 16 * static_cast<std::size_t>(index);
    const std::uint32_t size = le32At(icon, at + 8);
    const std::uint32_t offset = le32At(icon, at + 12);
    return Bytes(icon.begin() + offset, icon.begin() + offset + size);
}

// An icon file holding `entries` in this order; the directory's own size bytes are left at 0.
Bytes iconOf(const std::vector<Bytes>& entries) {
    Bytes icon(6 + 16 * entries.size(), 0);
    putLe(icon, 2, 1, 2);
    putLe(icon, 4, static_cast<std::uint32_t>(entries.size()), 2);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        putLe(icon, 6 + 16 * i + 8, static_cast<std::uint32_t>(entries[i].size()), 4);
        putLe(icon, 6 + 16 * i + 12, static_cast<std::uint32_t>(icon.size()), 4);
        icon.insert(icon.end(), entries[i].begin(), entries[i].end());
    }
    return icon;
}

// A PNG entry whose header claims the given size (its checksum no longer matches).
Bytes pngEntryClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes png = entryData("ico/png_entry.ico", 1);
    putBe32(png, 16, width);
    putBe32(png, 20, height);
    return png;
}

void expectArgbPattern(const RgbaImage& image) {
    expectPixels(image, kPatternWidth, kPatternHeight,
                 [](int x, int y) { return withAlpha(fullColour(x, y), patternAlpha(x, y)); });
}

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

// Header sizes near 2^32 once made the ranking of entries overflow; any order of entries must give
// the one that decodes.
TEST(PictureIco, EntriesClaimingAbsurdSizesAreTriedLast) {
    const Bytes good = entryData("ico/argb32.ico", 0);
    const Bytes huge = pngEntryClaiming(0xFBFBFBFBu, 0xFBFBFBFBu);
    for (const Bytes& icon : {iconOf({huge, good}), iconOf({good, huge}), iconOf({huge, huge, good, huge})}) {
        std::string error;
        expectArgbPattern(decodeIco(icon, error));
    }
}

// Only a few entries are tried, so entries that can never decode must not crowd out one that does.
TEST(PictureIco, EntriesOutsideTheLimitsRankBelowSmallerOnes) {
    DecodeLimits limits;
    limits.maxSide = 64;
    // 65 x 2 has a larger area than 13 x 7 but cannot decode under these limits.
    std::vector<Bytes> entries(9, pngEntryClaiming(65, 2));
    entries.push_back(entryData("ico/argb32.ico", 0));
    std::string error;
    expectArgbPattern(decodeIco(iconOf(entries), error, limits));
    EXPECT_EQ(error, "");
    entries.assign(9, pngEntryClaiming(20000, 20000));
    entries.push_back(entryData("ico/png_entry.ico", 1));
    expectArgbPattern(decodeIco(iconOf(entries), error));
    EXPECT_EQ(error, "");
}

TEST(PictureIco, OnlyAbsurdEntriesFailWithTheDecodersReason) {
    std::string error;
    const Bytes icon = iconOf({pngEntryClaiming(0xFBFBFBFBu, 0xFBFBFBFBu), pngEntryClaiming(0x7FFFFFFFu, 3)});
    EXPECT_TRUE(decodeIco(icon, error).empty());
    EXPECT_NE(error.find("The icon is damaged"), std::string::npos) << error;
}

} // namespace
} // namespace vantora::test
