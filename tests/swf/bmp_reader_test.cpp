#include "swf/bmp_reader.h"

#include "bmp_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

using swf::TBMPReader;
using swf_test::BmpLayout;
using swf_test::makeBmp;

namespace {

struct Bgra {
    uint8_t b, g, r, a;
};

void expectPixel(const TBMPReader& bmp, int x, int y, Bgra want) {
    const swf::TBMPPixel p = bmp.PixelBGRA(x, y);
    EXPECT_EQ(p.Blue, want.b) << "blue at " << x << "," << y;
    EXPECT_EQ(p.Green, want.g) << "green at " << x << "," << y;
    EXPECT_EQ(p.Red, want.r) << "red at " << x << "," << y;
    EXPECT_EQ(p.Alpha, want.a) << "alpha at " << x << "," << y;
}

} // namespace

// ---------------------------------------------------------------- depths and header values

struct DepthCase {
    const char* name;
    BmpLayout layout;
    Bgra bottomLeft;  // pixel (0, 0): first stored pixel
    Bgra bottomRight; // pixel (1, 0)
};

void PrintTo(const DepthCase& c, std::ostream* os) { *os << c.name; }

class BmpReaderDepths : public ::testing::TestWithParam<DepthCase> {};

TEST_P(BmpReaderDepths, DecodesFirstRowPixels) {
    const DepthCase& c = GetParam();
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(c.layout))) << bmp.ErrorText();
    EXPECT_EQ(bmp.Width(), c.layout.width);
    EXPECT_EQ(bmp.Height(), std::abs(c.layout.height));
    EXPECT_EQ(bmp.BitsPerPixel(), c.layout.bitsPerPixel);
    EXPECT_EQ(bmp.Compression(), c.layout.compression);
    expectPixel(bmp, 0, 0, c.bottomLeft);
    expectPixel(bmp, 1, 0, c.bottomRight);
}

INSTANTIATE_TEST_SUITE_P(
    AllDepths, BmpReaderDepths,
    ::testing::Values(
        DepthCase{"OneBit", {2, 1, 1, 0, {0x000000, 0xFFFFFF}, {}, 0, {0x40, 0, 0, 0}}, {0, 0, 0, 255}, {255, 255, 255, 255}},
        DepthCase{"FourBit", {2, 1, 4, 0, {0x000000, 0x112233, 0x445566}, {}, 3, {0x21, 0, 0, 0}}, {0x66, 0x55, 0x44, 255}, {0x33, 0x22, 0x11, 255}},
        DepthCase{"EightBit", {2, 1, 8, 0, {0x000000, 0x0000FF, 0xFF0000}, {}, 3, {2, 1, 0, 0}}, {0, 0, 0xFF, 255}, {0xFF, 0, 0, 255}},
        DepthCase{"SixteenBit555", {2, 1, 16, 0, {}, {}, 0, {0x00, 0x7C, 0x1F, 0x00}}, {0, 0, 255, 255}, {255, 0, 0, 255}},
        DepthCase{"SixteenBit565", {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, 0, {0xE0, 0x07, 0x00, 0xF8}}, {0, 255, 0, 255}, {0, 0, 255, 255}},
        DepthCase{"TwentyFourBit", {2, 1, 24, 0, {}, {}, 0, {1, 2, 3, 4, 5, 6, 0, 0}}, {1, 2, 3, 255}, {4, 5, 6, 255}},
        DepthCase{"ThirtyTwoBitAlphaByte", {2, 1, 32, 0, {}, {}, 0, {1, 2, 3, 128, 4, 5, 6, 0}}, {1, 2, 3, 128}, {4, 5, 6, 0}},
        DepthCase{"ThirtyTwoBitFields", {2, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0, {1, 2, 3, 9, 4, 5, 6, 9}}, {3, 2, 1, 255}, {6, 5, 4, 255}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpReaderRows, RowZeroIsTheBottomRowForBothStorageOrders) {
    // Two rows of one 24-bit pixel: red stored first (bottom-up file: bottom), blue second.
    BmpLayout bottomUp{1, 2, 24, 0, {}, {}, 0, {0, 0, 255, 0, 255, 0, 0, 0}};
    BmpLayout topDown = bottomUp;
    topDown.height = -2;
    TBMPReader a;
    TBMPReader b;
    ASSERT_TRUE(a.LoadFromMemory(makeBmp(bottomUp))) << a.ErrorText();
    ASSERT_TRUE(b.LoadFromMemory(makeBmp(topDown))) << b.ErrorText();
    EXPECT_FALSE(a.TopDown());
    EXPECT_TRUE(b.TopDown());
    expectPixel(a, 0, 0, {0, 0, 255, 255}); // bottom: red
    expectPixel(a, 0, 1, {255, 0, 0, 255});
    expectPixel(b, 0, 0, {255, 0, 0, 255}); // top-down file stored blue last, i.e. at the bottom
    expectPixel(b, 0, 1, {0, 0, 255, 255});
    EXPECT_EQ(a.RowBytes(), 4u);
    EXPECT_EQ(a.Row(2), nullptr);
    EXPECT_EQ(a.Row(-1), nullptr);
}

TEST(BmpReaderRows, PaletteEntriesCarryOpaqueAlphaAndColorsUsedLimitsThem) {
    BmpLayout s{1, 1, 8, 0, {0x102030, 0x405060}, {}, 2, {1, 0, 0, 0}};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(s))) << bmp.ErrorText();
    ASSERT_EQ(bmp.Palette().size(), 2u);
    EXPECT_EQ(bmp.Palette()[1].Red, 0x40);
    EXPECT_EQ(bmp.Palette()[1].Green, 0x50);
    EXPECT_EQ(bmp.Palette()[1].Blue, 0x60);
    EXPECT_EQ(bmp.Palette()[1].Alpha, 255);
    EXPECT_EQ(bmp.PaletteIndex(0, 0), 1);
}

TEST(BmpReaderRows, IndexPastThePaletteReadsAsBlack) {
    BmpLayout s{1, 1, 8, 0, {0xFFFFFF}, {}, 1, {7, 0, 0, 0}};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(s))) << bmp.ErrorText();
    expectPixel(bmp, 0, 0, {0, 0, 0, 255});
}

TEST(BmpReaderRows, ReadsCoreHeaderWithThreeBytePalette) {
    // 12-byte OS/2 header, 1 bit, palette black/white in 3-byte entries.
    std::vector<uint8_t> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0,
                              12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0,
                              0, 0, 0, 255, 255, 255,
                              0xA0, 0, 0, 0};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(f)) << bmp.ErrorText();
    EXPECT_EQ(bmp.Width(), 3);
    expectPixel(bmp, 0, 0, {255, 255, 255, 255});
    expectPixel(bmp, 1, 0, {0, 0, 0, 255});
    expectPixel(bmp, 2, 0, {255, 255, 255, 255});
}

TEST(BmpReaderRows, ReadsDibWithoutFileHeader) {
    const std::vector<uint8_t> file = makeBmp(BmpLayout{1, 1, 8, 0, {0x00FF00}, {}, 1, {0, 0, 0, 0}});
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadDIBFromMemory(file.data() + 14, file.size() - 14)) << bmp.ErrorText();
    expectPixel(bmp, 0, 0, {0, 255, 0, 255});
}

TEST(BmpReaderRows, AcceptsLastRowWithoutPadding) {
    std::vector<uint8_t> f = makeBmp(BmpLayout{1, 1, 24, 0, {}, {}, 0, {7, 8, 9, 0}});
    f.pop_back();
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(f)) << bmp.ErrorText();
    expectPixel(bmp, 0, 0, {7, 8, 9, 255});
}

// ---------------------------------------------------------------- run-length encoding

TEST(BmpReaderRle, ExpandsRle8RunsLiteralsDeltaAndLineEnds) {
    TBMPReader bmp;
    const std::vector<uint8_t> ok = {
        2, 5,             // row 0: x0,x1 = 5
        0, 3, 1, 2, 3, 0, // row 0: x2..x4 = 1 2 3 (3 bytes + 1 padding)
        0, 0,             // end of line
        0, 2, 2, 0,       // delta: x += 2, y += 0  (row 1)
        2, 9,             // row 1: x2, x3 = 9
        0, 0,             // end of line
        6, 7,             // row 2: all 7
        0, 1,             // end of bitmap
    };
    BmpLayout layout{6, 3, 8, 1, std::vector<uint32_t>(10, 0), {}, 10, ok};
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(layout))) << bmp.ErrorText();
    const std::vector<uint8_t> row0 = {5, 5, 1, 2, 3, 0};
    const std::vector<uint8_t> row1 = {0, 0, 9, 9, 0, 0};
    const std::vector<uint8_t> row2 = {7, 7, 7, 7, 7, 7};
    EXPECT_EQ(std::vector<uint8_t>(bmp.Row(0), bmp.Row(0) + 6), row0);
    EXPECT_EQ(std::vector<uint8_t>(bmp.Row(1), bmp.Row(1) + 6), row1);
    EXPECT_EQ(std::vector<uint8_t>(bmp.Row(2), bmp.Row(2) + 6), row2);
}

TEST(BmpReaderRle, ExpandsRle4AlternatingNibbles) {
    const std::vector<uint8_t> data = {
        5, 0x12,          // 1 2 1 2 1
        0, 3, 0x34, 0x50, // literal 3 4 5, padded to a word
        0, 1,
    };
    BmpLayout layout{8, 1, 4, 2, std::vector<uint32_t>(16, 0), {}, 16, data};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(layout))) << bmp.ErrorText();
    const uint8_t want[] = {1, 2, 1, 2, 1, 3, 4, 5};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(bmp.PaletteIndex(x, 0), want[x]) << "x=" << x;
}

TEST(BmpReaderRle, RunsIntoTheRowPaddingKeepOnlyTheVisiblePixels) {
    // Three pixels a row, four bytes a row: encoders write the padding pixel as part of the run.
    const std::vector<uint8_t> data = {
        4, 7,                // row 0: 7 7 7 (+ one padding pixel)
        0, 0,                //
        0, 4, 1, 2, 3, 9,    // row 1: literal 1 2 3 (+ padding 9)
        0, 0,                //
        2, 5, 2, 6,          // row 2: 5 5 6 (+ padding 6)
        0, 1,
    };
    BmpLayout layout{3, 3, 8, 1, std::vector<uint32_t>(10, 0), {}, 10, data};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(layout))) << bmp.ErrorText();
    const uint8_t want[3][3] = {{7, 7, 7}, {1, 2, 3}, {5, 5, 6}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bmp.PaletteIndex(x, y), want[y][x]) << "x=" << x << " y=" << y;
    // The padding bytes stay zero: the runs wrote nothing past the visible row.
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(bmp.Row(y)[3], 0) << "y=" << y;

    // One pixel past the padded row is still damage, for runs and for literals.
    BmpLayout longRun{3, 1, 8, 1, std::vector<uint32_t>(10, 0), {}, 10, {5, 7, 0, 1}};
    EXPECT_FALSE(bmp.LoadFromMemory(makeBmp(longRun)));
    EXPECT_NE(bmp.ErrorText().find("end of the row"), std::string::npos) << bmp.ErrorText();
    BmpLayout longLiteral{3, 1, 8, 1, std::vector<uint32_t>(10, 0), {}, 10, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1}};
    EXPECT_FALSE(bmp.LoadFromMemory(makeBmp(longLiteral)));
    EXPECT_NE(bmp.ErrorText().find("end of the row"), std::string::npos) << bmp.ErrorText();
}

TEST(BmpReaderRle, Rle4RunIntoThePaddingKeepsTheVisibleNibbles) {
    // Five 4-bit pixels use three bytes of a four-byte row: eight pixels fit the padded row.
    const std::vector<uint8_t> data = {8, 0x12, 0, 1};
    BmpLayout layout{5, 1, 4, 2, std::vector<uint32_t>(16, 0), {}, 16, data};
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromMemory(makeBmp(layout))) << bmp.ErrorText();
    const uint8_t want[] = {1, 2, 1, 2, 1};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(bmp.PaletteIndex(x, 0), want[x]) << "x=" << x;
    EXPECT_EQ(bmp.Row(0)[3], 0);
}

// ---------------------------------------------------------------- hostile input

struct BadCase {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* errorFragment;
};

namespace {

std::vector<uint8_t> withField(std::vector<uint8_t> f, size_t offset, uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i)
        f[offset + size_t(i)] = uint8_t(value >> (8 * i));
    return f;
}

std::vector<uint8_t> small24() { return makeBmp(BmpLayout{2, 2, 24, 0, {}, {}, 0, std::vector<uint8_t>(16, 1)}); }

std::vector<uint8_t> rle8(std::vector<uint8_t> data, int width = 4, int height = 2) {
    return makeBmp(BmpLayout{width, height, 8, 1, {0, 0}, {}, 2, std::move(data)});
}

std::vector<BadCase> badCases() {
    const auto base = small24();
    std::vector<uint8_t> truncatedPixels = base;
    truncatedPixels.resize(base.size() - 6);
    std::vector<uint8_t> truncatedPalette = makeBmp(BmpLayout{1, 1, 8, 0, std::vector<uint32_t>(4, 0), {}, 4, {}});
    truncatedPalette = withField(truncatedPalette, 10, 14 + 40 + 16); // offset claims the palette is whole
    truncatedPalette.resize(14 + 40 + 6);
    return {
        {"Empty", {}, "too short"},
        {"NoSignature", withField(base, 0, 'X' | ('Y' << 8), 2), "signature"},
        {"TruncatedInfoHeader", std::vector<uint8_t>(base.begin(), base.begin() + 30), "truncated"},
        {"OddHeaderSize", withField(base, 14, 20), "header size"},
        {"ZeroWidth", withField(base, 18, 0), "no pixels"},
        {"NegativeWidth", withField(base, 18, uint32_t(-5)), "no pixels"},
        {"HugeWidth", withField(base, 18, 100000), "too large"},
        {"HugeHeight", withField(base, 22, 0x7FFFFFFF), "too large"},
        {"MostNegativeHeight", withField(base, 22, 0x80000000u), "too large"},
        {"TooManyBytesAtMaxSize", withField(withField(withField(base, 18, 16384), 22, 16384), 28, 32, 2), "too much memory"},
        {"BadDepth", withField(base, 28, 7, 2), "bit depth"},
        {"JpegCompression", withField(base, 30, 4), "compression"},
        {"Rle8OnTwentyFourBits", withField(base, 30, 1), "RLE8"},
        {"BitfieldsOnEightBits", withField(makeBmp(BmpLayout{1, 1, 8, 0, {0}, {}, 1, {0, 0, 0, 0}}), 30, 3), "bit-field"},
        {"OffsetPastEnd", withField(base, 10, 100000), "offset"},
        {"OffsetInsideHeader", withField(base, 10, 20), "offset"},
        {"TruncatedPixels", truncatedPixels, "truncated"},
        {"PaletteCutOffByTheEnd", truncatedPalette, "offset"},
        {"RleRunPastRow", rle8({5, 1, 0, 1}), "end of the row"},
        {"RleLiteralPastRow", rle8({3, 1, 0, 3, 1, 1, 1, 0, 0, 1}), "end of the row"},
        {"RleLiteralTruncated", rle8({0, 4, 1, 1}), "truncated"},
        {"RleDeltaOutside", rle8({0, 2, 9, 0, 0, 1}), "outside"},
        {"RleDeltaTruncated", rle8({0, 2, 1}), "truncated"},
        {"RlePastLastRow", rle8({0, 0, 0, 0, 1, 1, 0, 1}), "last row"},
        {"RleEndOfLinePastImage", rle8({0, 0, 0, 0, 0, 0, 0, 1}), "last row"},
        {"RleWithoutEnd", rle8({4, 1, 0, 0}), "end-of-bitmap"},
        {"RleTopDown", withField(rle8({0, 1}), 22, uint32_t(-2)), "top-down"},
        {"TinyRleClaimingHugePicture", rle8({0, 1}, 16384, 16384), "cannot describe"},
    };
}

} // namespace

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class BmpReaderHostile : public ::testing::TestWithParam<BadCase> {};

TEST_P(BmpReaderHostile, FailsCleanlyWithAReason) {
    const BadCase& c = GetParam();
    TBMPReader bmp;
    EXPECT_FALSE(bmp.LoadFromMemory(c.bytes));
    EXPECT_FALSE(bmp.IsLoaded());
    EXPECT_EQ(bmp.Row(0), nullptr);
    EXPECT_NE(bmp.ErrorText().find(c.errorFragment), std::string::npos) << "error was: " << bmp.ErrorText();
}

INSTANTIATE_TEST_SUITE_P(Cases, BmpReaderHostile, ::testing::ValuesIn(badCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpReaderHostileInput, EveryTruncationAndRandomDamageIsHandled) {
    // Exercises the bounds checks under the sanitizers: no crash, no over-read, whatever the answer.
    const std::vector<std::vector<uint8_t>> seeds = {
        small24(),
        rle8({2, 1, 0, 3, 1, 1, 1, 0, 0, 0, 0, 2, 1, 1, 1, 1, 0, 1}),
        makeBmp(BmpLayout{5, 2, 4, 2, std::vector<uint32_t>(16, 0x123456), {}, 16, {3, 0x12, 0, 3, 0x45, 0x60, 0, 0, 5, 0x77, 0, 1}}),
        makeBmp(BmpLayout{3, 2, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, 0, std::vector<uint8_t>(16, 0xAB)}),
    };
    std::mt19937 random(1234);
    int loaded = 0;
    for (const auto& seed : seeds) {
        for (size_t n = 0; n <= seed.size(); ++n) {
            TBMPReader bmp;
            if (bmp.LoadFromMemory(seed.data(), n))
                ++loaded;
        }
        for (int round = 0; round < 2000; ++round) {
            std::vector<uint8_t> damaged = seed;
            const int flips = 1 + int(random() % 4);
            for (int i = 0; i < flips; ++i)
                damaged[random() % damaged.size()] = uint8_t(random());
            TBMPReader bmp;
            if (bmp.LoadFromMemory(damaged)) {
                ++loaded;
                // Reading every pixel of whatever loaded must stay inside the buffers.
                for (int y = 0; y < std::min(bmp.Height(), 64); ++y)
                    for (int x = 0; x < std::min(bmp.Width(), 64); ++x)
                        (void)bmp.PixelBGRA(x, y);
            } else {
                EXPECT_FALSE(bmp.ErrorText().empty());
            }
        }
    }
    EXPECT_GT(loaded, 0); // the undamaged seeds at full length load
}

TEST(BmpReaderFiles, MissingFileFailsWithPathAndSystemReason) {
    vantora::test::TempDir dir;
    TBMPReader bmp;
    EXPECT_FALSE(bmp.LoadFromFile(dir / "missing.bmp"));
    EXPECT_NE(bmp.ErrorText().find("missing.bmp"), std::string::npos) << bmp.ErrorText();
    EXPECT_NE(bmp.ErrorText().find("No such file"), std::string::npos) << bmp.ErrorText();
}

TEST(BmpReaderFiles, LoadsAFileFromDisk) {
    vantora::test::TempDir dir;
    vantora::test::writeFileBytes(dir / "a.bmp", small24());
    TBMPReader bmp;
    ASSERT_TRUE(bmp.LoadFromFile(dir / "a.bmp")) << bmp.ErrorText();
    expectPixel(bmp, 1, 1, {1, 1, 1, 255});
}

// A header a little longer than 40 bytes claims bit fields but is too short to hold the masks it
// would carry: the reader must refuse it rather than read the masks past the header's end.
TEST(BmpReaderHostileInput, BitfieldsInAHeaderTooShortForTheMasksAreRefused) {
    for (uint32_t headerSize : {41u, 44u, 51u}) {
        std::vector<uint8_t> dib(headerSize, 0);
        auto put = [&](size_t offset, uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                dib[offset + size_t(i)] = uint8_t(value >> (8 * i));
        };
        put(0, headerSize, 4);
        put(4, 1, 4);  // width
        put(8, 1, 4);  // height
        put(12, 1, 2); // planes
        put(14, 32, 2);
        put(16, 3, 4); // bit fields
        TBMPReader bmp;
        EXPECT_FALSE(bmp.LoadDIBFromMemory(dib.data(), dib.size())) << headerSize;
        EXPECT_NE(bmp.ErrorText().find("bit-field"), std::string::npos) << bmp.ErrorText();
    }
}
