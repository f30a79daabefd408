#include "library_material/wave_file.h"

#include "base/little_endian.h"
#include "base/wave_header.h"

#include <algorithm>
#include <cmath>

namespace vantora::material {

std::vector<std::uint8_t> EncodeWave16(std::span<const double> samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    AppendPcmWaveHeader(out, kChannels, static_cast<std::uint32_t>(sampleRate), kBits, dataBytes);
    for (double sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        AppendU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    if (dataBytes & 1)
        out.push_back(0); // chunks are padded to an even size
    return out;
}

} // namespace vantora::material
