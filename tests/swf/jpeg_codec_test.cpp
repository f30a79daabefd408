#include "swf/errors.h"
#include "swf/jpeg_codec.h"

#include "jpeg_test_data.h"

#include <gtest/gtest.h>

using namespace swf;

TEST(JpegFrameScan, FindsBaselineSize) {
    const auto jpeg = swf_test::baselineJpeg(64, 24);
    const auto size = ScanJPEGFrameSize(jpeg.data(), jpeg.size());
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->Width, 64);
    EXPECT_EQ(size->Height, 24);
}

TEST(JpegFrameScan, ProgressiveTruncatedAndForeignDataGiveNothing) {
    const auto progressive = swf_test::progressiveJpeg(32, 16);
    EXPECT_FALSE(ScanJPEGFrameSize(progressive.data(), progressive.size()).has_value());
    const auto jpeg = swf_test::baselineJpeg(64, 24);
    for (size_t n : {size_t(0), size_t(1), size_t(2), size_t(5), size_t(20)})
        EXPECT_FALSE(ScanJPEGFrameSize(jpeg.data(), n).has_value()) << n;
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(ScanJPEGFrameSize(gif, sizeof gif).has_value());
    const uint8_t zeroLength[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x00};
    EXPECT_FALSE(ScanJPEGFrameSize(zeroLength, sizeof zeroLength).has_value());
    const uint8_t sof1[] = {0xFF, 0xD8, 0xFF, 0xD0, 0xFF, 0xC1, 0, 17, 8, 0x01, 0x00, 0x02, 0x00};
    const auto s = ScanJPEGFrameSize(sof1, sizeof sof1);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->Width, 512);
    EXPECT_EQ(s->Height, 256);
}

TEST(JpegCodec, ProgressiveIsReencodedAsBaseline) {
    const auto progressive = swf_test::progressiveJpeg(40, 30);
    EXPECT_TRUE(ReadJPEGInfo(progressive).Progressive);
    TJPEGInfo info;
    const auto baseline = ReencodeJPEGBaseline(progressive, &info);
    EXPECT_EQ(info.Width, 40);
    EXPECT_EQ(info.Height, 30);
    EXPECT_FALSE(ReadJPEGInfo(baseline).Progressive);
    const auto size = ScanJPEGFrameSize(baseline.data(), baseline.size());
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->Width, 40);
}

TEST(JpegCodec, DamagedDataRaisesAnError) {
    auto jpeg = swf_test::baselineJpeg(16, 16);
    jpeg.resize(40);
    EXPECT_THROW(ReencodeJPEGBaseline(jpeg), Error);
    EXPECT_THROW(ReadJPEGInfo({1, 2, 3}), Error);
    EXPECT_THROW(EncodeJPEG({nullptr, 10, 10, 30, TPixelLayout::RGB24}, 90), Error);
}
