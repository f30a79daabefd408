#include "swf/errors.h"
#include "swf/swf_stream.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <zlib.h>

using namespace swf;
using swf_test::Bytes;

namespace {

Bytes saved(TBasedSWFStream& s) {
    std::ostringstream out;
    s.SaveToStream(out);
    const std::string str = out.str();
    return Bytes(str.begin(), str.end());
}

Bytes inflateAfter8(const Bytes& file) {
    Bytes out(1 << 20);
    uLongf size = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &size, file.data() + 8, uLong(file.size() - 8)), Z_OK);
    out.resize(size);
    return out;
}

} // namespace

struct RateCase {
    double rate;
    uint16_t word;
};

class FrameRates : public ::testing::TestWithParam<RateCase> {};

TEST_P(FrameRates, AreStoredAsEightDotEight) {
    TBasedSWFStream s(0, 0, 10, 10, GetParam().rate, true);
    EXPECT_EQ(s.FrameRateWord(), GetParam().word);
    EXPECT_DOUBLE_EQ(s.FrameRate(), GetParam().word / 256.0);
}

INSTANTIATE_TEST_SUITE_P(Table, FrameRates,
                         ::testing::Values(RateCase{10, 0x0A00}, RateCase{20, 0x1400}, RateCase{40, 0x2800},
                                           RateCase{12.5, 0x0C80}, RateCase{0.999, 0x0100}, RateCase{255.5, 0xFF80}));

TEST(FrameRates, RatesOf256AndAboveAreRejected) {
    EXPECT_THROW(TBasedSWFStream(0, 0, 1, 1, 256.0, true), Error);
    EXPECT_THROW(TBasedSWFStream(0, 0, 1, 1, -1.0, true), Error);
}

TEST(SwfStream, UnitsScaleTheFrameRectangleOnlyWhenStored) {
    TBasedSWFStream pixels(0, 0, 640, 480, 20, true);
    EXPECT_EQ(pixels.FrameRect(), TSWFRect(0, 0, 12800, 9600));
    EXPECT_EQ(pixels.UnitsMultiplier(), 20);
    pixels.SetUnitsInPixels(false);
    EXPECT_EQ(pixels.FrameRect(), TSWFRect(0, 0, 12800, 9600));
    TBasedSWFStream twips(100, 100, 0, 0, 20, false);
    EXPECT_EQ(twips.FrameRect(), TSWFRect(0, 0, 100, 100));
}

TEST(SwfStream, CompressionForcesVersionSix) {
    TBasedSWFStream s(0, 0, 10, 10, 20, true);
    EXPECT_EQ(s.Version(), 5);
    s.SetCompressed(true);
    EXPECT_EQ(s.Version(), 6);
    s.SetVersion(4);
    EXPECT_EQ(s.Version(), 6);
    s.SetVersion(8);
    EXPECT_EQ(s.Version(), 8);
}

TEST(SwfStream, UncompressedFileKeepsVersionFiveAndLayout) {
    TBasedSWFStream s(0, 0, 550, 400, 12.5, true);
    s.SetFrameCount(3);
    s.BodyStream() = {0x00, 0x00};
    const Bytes f = saved(s);
    EXPECT_EQ(s.HeaderSize(), 21u); // n = 15: 12 + ceil(65 / 8)
    ASSERT_EQ(f.size(), 23u);
    EXPECT_EQ(Bytes(f.begin(), f.begin() + 8), (Bytes{'F', 'W', 'S', 5, 23, 0, 0, 0}));
    EXPECT_EQ(Bytes(f.begin() + 17, f.end()), (Bytes{0x80, 0x0C, 3, 0, 0, 0}));
}

TEST(SwfStream, CompressedFileIsCwsVersionSixWithUncompressedLength) {
    TBasedSWFStream s(0, 0, 550, 400, 20, true);
    s.SetVersion(5);
    s.BodyStream() = {0x40, 0x00, 0x00, 0x00};
    TBasedSWFStream plain(0, 0, 550, 400, 20, true);
    plain.BodyStream() = s.BodyStream();
    const Bytes reference = saved(plain);
    s.SetCompressed(true);
    const Bytes f = saved(s);
    EXPECT_EQ(Bytes(f.begin(), f.begin() + 4), (Bytes{'C', 'W', 'S', 6}));
    EXPECT_EQ(uint32_t(f[4] | f[5] << 8 | f[6] << 16 | f[7] << 24), reference.size());
    EXPECT_EQ(inflateAfter8(f), Bytes(reference.begin() + 8, reference.end()));
}

TEST(SwfStream, CompressionReportsProgressInPhaseTwo) {
    TBasedSWFStream s(0, 0, 10, 10, 20, true);
    s.SetCompressed(true);
    s.BodyStream().assign(2 << 20, 0x5A);
    for (size_t i = 0; i < s.BodyStream().size(); i += 7)
        s.BodyStream()[i] = uint8_t(i * 31);
    std::vector<int> percents;
    s.OnProgress = [&](TBasedSWFStream& sender, int percent, int phase) {
        EXPECT_EQ(&sender, &s);
        EXPECT_EQ(phase, 2);
        percents.push_back(percent);
    };
    saved(s);
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_GE(percents.back(), 99);
}

TEST(SwfStream, SaveToFileReplacesAndReportsUncreatableFiles) {
    vantora::test::TempDir dir;
    TBasedSWFStream s(0, 0, 10, 10, 20, true);
    s.BodyStream() = {0, 0};
    vantora::test::writeFileBytes(dir / "m.swf", Bytes(5000, 1));
    s.SaveToFile(dir / "m.swf");
    EXPECT_EQ(vantora::test::readFileBytes(dir / "m.swf"), saved(s));
    try {
        s.SaveToFile(dir / "no-such-folder" / "m.swf");
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("no-such-folder"), std::string::npos) << what;
        EXPECT_NE(what.find("No such file or directory"), std::string::npos) << what;
    }
}
