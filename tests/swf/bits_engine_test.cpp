#include "swf/bits_engine.h"

#include "swf/bit_counts.h"
#include "swf_test_helpers.h"

#include <gtest/gtest.h>

using swf::TBitsEngine;
using swf_test::Bytes;
using swf_test::bytesOf;

// ---------------------------------------------------------------- bit counts

struct CountCase {
    int32_t value;
    int unsignedBits;
    int signedBits;
};

class BitCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(BitCounts, MatchTheRule) {
    const CountCase c = GetParam();
    if (c.value >= 0) {
        EXPECT_EQ(swf::UnsignedBitCount(uint32_t(c.value)), c.unsignedBits);
    }
    EXPECT_EQ(swf::SignedBitCount(c.value), c.signedBits);
}

INSTANTIATE_TEST_SUITE_P(Table, BitCounts,
                         ::testing::Values(CountCase{0, 0, 0}, CountCase{1, 1, 2}, CountCase{2, 2, 3}, CountCase{3, 2, 3},
                                           CountCase{255, 8, 9}, CountCase{256, 9, 10}, CountCase{65535, 16, 17},
                                           CountCase{-1, 0, 2}, CountCase{-4, 0, 4}, CountCase{-5, 0, 4},
                                           CountCase{11000, 14, 15}));

TEST(BitCounts, FieldWidthTakesTheLargestMagnitude) {
    EXPECT_EQ(swf::FieldWidth({0, 0}), 0);
    EXPECT_EQ(swf::FieldWidth({1, -300, 20}), 10);
    EXPECT_EQ(swf::FieldWidth({INT32_MIN}), 33); // callers never pass this; documented as the rule gives it
}

// ---------------------------------------------------------------- bit and byte writing

TEST(BitsEngine, BitsFillBytesFromTheTopAndFlushPads) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) {
                  be.WriteBits(0b101, 3);
                  be.WriteBits(0b11111, 5);
                  be.WriteBits(1, 1);
              }),
              (Bytes{0xBF, 0x80}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteBits(0xFFFF, 0); }), Bytes{});
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteBits(0x12345678, 32); }), (Bytes{0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteSignedBits(-2, 4); }), Bytes{0xE0});
}

TEST(BitsEngine, FlushWithoutPaddingDropsPendingBits) {
    Bytes out;
    TBitsEngine be(out);
    be.WriteBits(0b111, 3);
    be.FlushBits(false);
    be.WriteByte(0x42);
    EXPECT_EQ(out, Bytes{0x42});
}

TEST(BitsEngine, WriteByteAfterPendingBitsContinuesUnaligned) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) {
                  be.WriteBits(0b101, 3);
                  be.WriteByte(0xFF);
              }),
              (Bytes{0xBF, 0xE0}));
}

TEST(BitsEngine, WriteWordAfterPendingBitsPadsFirst) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) {
                  be.WriteBits(0b101, 3);
                  be.WriteWord(0x1234);
              }),
              (Bytes{0xA0, 0x34, 0x12}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) {
                  be.WriteBit(true);
                  be.WriteDWord(0x01020304);
              }),
              (Bytes{0x80, 0x04, 0x03, 0x02, 0x01}));
}

TEST(BitsEngine, FixedSingleAndDoubleLayouts) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteFixed(1.5); }), (Bytes{0x00, 0x80, 0x01, 0x00}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteFixed(-1.0); }), (Bytes{0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteSingle(1.0f); }), (Bytes{0x00, 0x00, 0x80, 0x3F}));
    // 1.0 = 0x3FF0000000000000: high half first, each half little-endian.
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteDouble(1.0); }), (Bytes{0x00, 0x00, 0xF0, 0x3F, 0, 0, 0, 0}));
}

TEST(BitsEngine, ColoursAreRedGreenBlueAlpha) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteRGB(0x00332211u); }), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteRGBA(0x80332211u); }), (Bytes{0x11, 0x22, 0x33, 0x80}));
}

TEST(BitsEngine, StringsAreAnsiUnlessUtf8) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteString("A\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD"); }),
              (Bytes{'A', 0xE9, 0x80, '?', 0}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteString("\xC3\xA9", true, true); }), (Bytes{0xC3, 0xA9, 0}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteString("ab", false); }), (Bytes{'a', 'b'}));
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteString("\xC3"); }), (Bytes{'?', 0})); // cut sequence
}

// ---------------------------------------------------------------- records

TEST(BitsEngineRecords, ZeroRectIsOneZeroByte) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteRect(swf::TSWFRect()); }), Bytes{0x00});
}

TEST(BitsEngineRecords, StageRectUsesFifteenBitsAndNineBytes) {
    const Bytes b = bytesOf([](TBitsEngine& be) { be.WriteRect(swf::TSWFRect(0, 0, 11000, 8000)); });
    ASSERT_EQ(b.size(), 9u);
    EXPECT_EQ(b[0] >> 3, 15);
    EXPECT_EQ(swf_test::hex(b), "7800055f00000fa000");
}

TEST(BitsEngineRecords, RectFromTRectNormalisesAndScales) {
    const Bytes a = bytesOf([](TBitsEngine& be) { be.WriteRectFromTRect({10, 20, 0, 0}, true); });
    const Bytes b = bytesOf([](TBitsEngine& be) { be.WriteRect(swf::TSWFRect(0, 0, 200, 400)); });
    EXPECT_EQ(a, b);
}

TEST(BitsEngineRecords, IdentityMatrixIsOneZeroByte) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteMatrix(swf::TSWFMatrix()); }), Bytes{0x00});
}

TEST(BitsEngineRecords, MatrixWritesScaleRotateAndTranslateFields) {
    swf::TSWFMatrix m;
    m.SetScale(1.0, 1.0);
    m.SetTranslate(200, 200);
    // 1 | 10010 (n=18) | 65536 in 18 bits x2 | 0 | 01001 (n=9) | 200 | 200
    EXPECT_EQ(swf_test::hex(bytesOf([&](TBitsEngine& be) { be.WriteMatrix(m); })), "c90000400009643200");
    swf::TSWFMatrix t;
    t.SetTranslate(0, -1);
    // 0 | 0 | 00010 | 00 | 11 -> 0000 0100 0110 0000
    EXPECT_EQ(swf_test::hex(bytesOf([&](TBitsEngine& be) { be.WriteMatrix(t); })), "0460");
}

TEST(BitsEngineRecords, AlphaAddOnlyColorTransform) {
    swf::TSWFColorTransform t;
    t.SetAddA(-128);
    // has-add 1, has-mult 0, n = 9 (1001), then 0, 0, 0, -128 in 9 bits each
    const Bytes b = bytesOf([&](TBitsEngine& be) { be.WriteColorTransform(t); });
    EXPECT_EQ(swf_test::hex(b), "a40000006000");
    EXPECT_EQ(b[0] >> 6, 0b10);
    EXPECT_EQ((b[0] >> 2) & 0xF, 9);
}

TEST(BitsEngineRecords, ColorTransformWithoutTermsIsOneByteAndWithoutAlphaSkipsAlpha) {
    EXPECT_EQ(bytesOf([](TBitsEngine& be) { be.WriteColorTransform(swf::TSWFColorTransform()); }), Bytes{0x00});
    swf::TSWFColorTransform t;
    t.SetMultR(128); // n = 10 (256 needs 10 signed bits): 128, 256, 256, no alpha term
    const Bytes b = bytesOf([&](TBitsEngine& be) { be.WriteColorTransform(t); });
    EXPECT_EQ(b.size(), 5u); // 2 + 4 + 30 bits = 36 -> 5 bytes
    EXPECT_EQ(swf_test::hex(b), "6880401000");
}
