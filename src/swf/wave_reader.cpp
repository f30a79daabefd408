#include "swf/wave_reader.h"

#include "swf/mpeg_audio.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace swf {

namespace {

struct Chunk {
    uint64_t Offset = 0; // of the chunk data
    uint64_t Size = 0;   // as the header claims it
};

// Walks the chunks of the WAVE form for `id`. The form's own size is not trusted: the walk stops
// at the end of the file.
std::optional<Chunk> findChunk(TSoundSource& source, const char* id) {
    const uint64_t end = source.Size();
    uint64_t pos = 12;
    while (pos + 8 <= end) {
        const std::vector<uint8_t> header = source.Read(pos, 8);
        if (header.size() < 8)
            return std::nullopt;
        const uint64_t size = LE32(header.data() + 4);
        if (std::equal(id, id + 4, header.begin()))
            return Chunk{pos + 8, size};
        pos += 8 + size + (size & 1);
    }
    return std::nullopt;
}

void fillFromMpeg(TWaveInfo& info, const TMPEGaudio& mpeg) {
    const TMPEGFrameHeader& h = mpeg.Header();
    info.Channels = uint32_t(mpeg.Channels());
    info.SampleRate = uint32_t(h.SampleRate);
    info.BitsPerSample = 16;
    info.Duration = mpeg.Duration();
    info.SampleCount = uint32_t(std::llround(std::min(double(h.SampleRate) * mpeg.Duration(), double(UINT32_MAX))));
    info.SamplesPerFrame = uint32_t(h.SamplesPerFrame);
    info.FrameLength = uint32_t(h.FrameLength);
    info.FrameCount = mpeg.FrameCount();
    info.BitRate = uint32_t(h.BitRate);
    info.MPEGLayer = uint32_t(h.Layer);
}

} // namespace

TWaveInfo TWaveReader::ReadFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    if (ext != ".WAV" && ext != ".MP3")
        return {};
    TFileSoundSource source(path);
    if (!source.Open())
        return {};
    return ext == ".MP3" ? ReadMP3(source) : ReadWave(source);
}

TWaveInfo TWaveReader::ReadMP3(TSoundSource& source) {
    TWaveInfo info;
    TMPEGaudio mpeg;
    if (!mpeg.Read(source))
        return info;
    info.FormatTag = wfPlainMP3;
    info.DataOffset = 0;
    info.DataSize = source.Size();
    fillFromMpeg(info, mpeg);
    return info;
}

TWaveInfo TWaveReader::ReadWave(TSoundSource& source) {
    const std::vector<uint8_t> riff = source.Read(0, 12);
    if (riff.size() < 12 || !std::equal(riff.begin(), riff.begin() + 4, "RIFF") ||
        !std::equal(riff.begin() + 8, riff.begin() + 12, "WAVE"))
        return {};
    const std::optional<Chunk> fmt = findChunk(source, "fmt ");
    const std::optional<Chunk> data = findChunk(source, "data");
    if (!fmt || !data || fmt->Size < 16)
        return {};
    const std::vector<uint8_t> f = source.Read(fmt->Offset, size_t(std::min<uint64_t>(fmt->Size, 40)));
    if (f.size() < 16)
        return {};
    TWaveInfo info;
    info.FormatTag = LE16(f.data());
    // The extensible layout names the real format in the first two bytes of its sub-format.
    if (info.FormatTag == wfExtensible && f.size() >= 26)
        info.FormatTag = LE16(f.data() + 24);
    info.Channels = LE16(f.data() + 2);
    info.SampleRate = LE32(f.data() + 4);
    info.BitsPerSample = LE16(f.data() + 14);
    // A data chunk that claims more than the file holds (a recording never finished) keeps the
    // bytes that are there.
    info.DataOffset = data->Offset;
    info.DataSize = std::min(data->Size, source.Size() - std::min(source.Size(), data->Offset));

    if (info.FormatTag == wfMPEG || info.FormatTag == wfMPEGLayer3) {
        TWindowSoundSource inner(source, info.DataOffset, info.DataSize);
        TMPEGaudio mpeg;
        if (mpeg.Read(inner))
            fillFromMpeg(info, mpeg);
        else
            info.SampleCount = 0;
        return info;
    }
    const uint64_t bitsPerFrame = uint64_t(info.BitsPerSample) * info.Channels;
    if (bitsPerFrame != 0)
        info.SampleCount = uint32_t(std::min<uint64_t>(info.DataSize * 8 / bitsPerFrame, UINT32_MAX));
    if (info.SampleRate != 0)
        info.Duration = double(info.SampleCount) / info.SampleRate;
    return info;
}

} // namespace swf
