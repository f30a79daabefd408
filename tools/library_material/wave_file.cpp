#include "library_material/wave_file.h"

#include "base/little_endian.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vantora::material {
namespace {

void put(std::vector<std::uint8_t>& out, std::string_view tag) { out.insert(out.end(), tag.begin(), tag.end()); }

} // namespace

std::vector<std::uint8_t> EncodeWave16(std::span<const double> samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    put(out, "RIFF");
    AppendU32(out, 36 + dataBytes + (dataBytes & 1));
    put(out, "WAVE");
    put(out, "fmt ");
    AppendU32(out, 16);
    AppendU16(out, 1); // PCM
    AppendU16(out, kChannels);
    AppendU32(out, static_cast<std::uint32_t>(sampleRate));
    AppendU32(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign);
    AppendU16(out, kBlockAlign);
    AppendU16(out, kBits);
    put(out, "data");
    AppendU32(out, dataBytes);
    for (double sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        AppendU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    if (dataBytes & 1)
        out.push_back(0); // chunks are padded to an even size
    return out;
}

} // namespace vantora::material
