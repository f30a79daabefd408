#pragma once
// TWaveReader: learns format, rate, sample size, channels, sample count and the place of the
// audio data in a WAV or MP3 file (chosen by the extension). Damaged files give a result with
// zero fields, never a read outside the file.

#include "swf/sound_source.h"

#include <filesystem>
#include <string>

namespace swf {

enum WaveFormatTag : uint32_t {
    wfPCM = 1,
    wfADPCM = 2,
    wfMPEG = 0x50,
    wfMPEGLayer3 = 0x55,
    wfExtensible = 0xFFFE,
    wfPlainMP3 = 336, // a plain MP3 file, not a WAV container
};

struct TWaveInfo {
    uint32_t FormatTag = 0;
    uint32_t Channels = 0;
    uint32_t SampleRate = 0;
    uint32_t BitsPerSample = 0;
    uint32_t SampleCount = 0;
    uint64_t DataOffset = 0;
    uint64_t DataSize = 0;
    double Duration = 0.0;
    // MP3 only.
    uint32_t SamplesPerFrame = 0;
    uint32_t FrameLength = 0;
    uint32_t FrameCount = 0;
    uint32_t BitRate = 0; // kbit/s
    uint32_t MPEGLayer = 0; // 1..3
};

class TWaveReader {
public:
    // By the upper-cased extension: ".WAV" or ".MP3"; any other gives an empty result.
    TWaveInfo ReadFile(const std::filesystem::path& path);
    static TWaveInfo ReadWave(TSoundSource& source);
    static TWaveInfo ReadMP3(TSoundSource& source);
};

} // namespace swf
