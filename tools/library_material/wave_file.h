#pragma once
// Writing mono 16-bit PCM WAV files from floating-point samples.

#include <cstdint>
#include <span>
#include <vector>

namespace vantora::material {

inline constexpr int kSoundSampleRate = 22050;

// A RIFF "WAVE" file with one "fmt " chunk (PCM, one channel, 16 bits) and one "data" chunk.
// Samples are clamped to -1..1 and rounded to the nearest 16-bit value.
std::vector<std::uint8_t> EncodeWave16(std::span<const double> samples, int sampleRate = kSoundSampleRate);

} // namespace vantora::material
