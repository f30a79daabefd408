#pragma once
// The header of an uncompressed PCM RIFF WAVE file: the RIFF chunk, the 16-byte "fmt " chunk and
// the start of the "data" chunk, whose `dataBytes` sample bytes the caller appends (followed by a
// pad byte when their count is odd).

#include "base/little_endian.h"

#include <cstdint>
#include <vector>

namespace vantora {

inline void AppendPcmWaveHeader(std::vector<std::uint8_t>& out, std::uint16_t channels, std::uint32_t sampleRate,
                                std::uint16_t bitsPerSample, std::uint32_t dataBytes) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    AppendU32(out, 36 + dataBytes + (dataBytes & 1));
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    AppendU32(out, 16);
    AppendU16(out, 1); // PCM
    AppendU16(out, channels);
    AppendU32(out, sampleRate);
    AppendU32(out, sampleRate * blockAlign);
    AppendU16(out, blockAlign);
    AppendU16(out, bitsPerSample);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    AppendU32(out, dataBytes);
}

} // namespace vantora
