// The PCM WAVE header and the little-endian appends it is made of: field order, byte order, the
// derived block align and byte rate, and the RIFF size that counts the pad byte of an odd data chunk.

#include "base/little_endian.h"
#include "base/wave_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(LittleEndian, AppendsPutTheLowByteFirst) {
    Bytes out{0xAA};
    AppendU16(out, 0x1234);
    AppendU32(out, 0x89ABCDEFu);
    EXPECT_EQ(out, (Bytes{0xAA, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89}));
}

TEST(PcmWaveHeader, StereoSixteenBitFieldsInOrder) {
    Bytes out;
    AppendPcmWaveHeader(out, 2, 44100, 16, 8);
    const Bytes expected{'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                         16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0,
                         0x10, 0xB1, 0x02, 0, // 44100 x 4 bytes a second
                         4, 0, 16, 0, 'd', 'a', 't', 'a', 8, 0, 0, 0};
    EXPECT_EQ(out, expected);
}

TEST(PcmWaveHeader, AnOddDataChunkCountsItsPadByteInTheRiffSize) {
    Bytes out;
    AppendPcmWaveHeader(out, 1, 8000, 8, 3);
    ASSERT_EQ(out.size(), 44u);
    EXPECT_EQ(out[4], 36 + 3 + 1);
    EXPECT_EQ(out[28], 0x40); // 8000 bytes a second: one byte a sample frame
    EXPECT_EQ(out[29], 0x1F);
    EXPECT_EQ(out[32], 1); // block align
    EXPECT_EQ(out[40], 3); // the data size itself stays odd
}

} // namespace
} // namespace vantora
