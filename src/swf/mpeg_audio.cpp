#include "swf/mpeg_audio.h"

#include "swf/id3.h"

#include <algorithm>

namespace swf {

namespace {

// kbit/s by [table][index]: MPEG-1 layers I, II, III; MPEG-2/2.5 layer I; MPEG-2/2.5 layers II and III.
constexpr int kBitRates[5][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};
constexpr int kSampleRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

} // namespace

bool DecodeMPEGFrameHeader(const uint8_t* p, TMPEGFrameHeader& h) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    const int versionBits = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitRateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitRateIndex == 0 || bitRateIndex == 15 || rateIndex == 3)
        return false;
    h = TMPEGFrameHeader();
    h.Version = versionBits == 3 ? 10 : versionBits == 2 ? 20 : 25;
    h.Layer = 4 - layerBits;
    h.Protection = (p[1] & 1) == 0;
    const bool mpeg1 = h.Version == 10;
    const int table = mpeg1 ? h.Layer - 1 : (h.Layer == 1 ? 3 : 4);
    h.BitRate = kBitRates[table][bitRateIndex];
    h.SampleRate = kSampleRates[mpeg1 ? 0 : h.Version == 20 ? 1 : 2][rateIndex];
    h.Padding = (p[2] & 2) != 0;
    h.ChannelMode = p[3] >> 6;
    const int pad = h.Padding ? 1 : 0;
    if (h.Layer == 1) {
        h.SamplesPerFrame = 384;
        h.FrameLength = (12 * h.BitRate * 1000 / h.SampleRate + pad) * 4;
    } else if (h.Layer == 2 || mpeg1) {
        h.SamplesPerFrame = 1152;
        h.FrameLength = 144 * h.BitRate * 1000 / h.SampleRate + pad;
    } else {
        h.SamplesPerFrame = 576;
        h.FrameLength = 72 * h.BitRate * 1000 / h.SampleRate + pad;
    }
    return h.FrameLength > 4;
}

bool TMPEGaudio::Search(const std::vector<uint8_t>& buffer, uint64_t bufferOffset) {
    for (size_t i = 0; i + 4 <= buffer.size(); ++i) {
        TMPEGFrameHeader h;
        if (!DecodeMPEGFrameHeader(buffer.data() + i, h))
            continue;
        // Where the next frame lies inside the buffer, it must confirm this one.
        const size_t next = i + size_t(h.FrameLength);
        TMPEGFrameHeader following;
        if (next + 4 <= buffer.size() &&
            (!DecodeMPEGFrameHeader(buffer.data() + next, following) || following.SampleRate != h.SampleRate))
            continue;
        found_ = true;
        header_ = h;
        firstFrame_ = bufferOffset + i - id3v2Size_;
        ReadVBRHeader(buffer, i);
        return true;
    }
    return false;
}

void TMPEGaudio::ReadVBRHeader(const std::vector<uint8_t>& buffer, size_t frameAt) {
    const bool mono = header_.ChannelMode == 3;
    const size_t sideInfo = header_.Version == 10 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const size_t at = frameAt + 4 + sideInfo;
    if (at + 12 > buffer.size())
        return;
    const uint8_t* p = buffer.data() + at;
    const bool xing = (p[0] == 'X' && p[1] == 'i' && p[2] == 'n' && p[3] == 'g') ||
                      (p[0] == 'I' && p[1] == 'n' && p[2] == 'f' && p[3] == 'o');
    if (xing && (BE32(p + 4) & 1) != 0 && BE32(p + 8) != 0) {
        vbr_ = true;
        frameCount_ = BE32(p + 8);
    }
}

bool TMPEGaudio::Read(TSoundSource& source) {
    *this = TMPEGaudio();
    TID3v1 v1;
    v1.Read(source);
    TID3v2 v2;
    v2.Read(source);
    fileLength_ = source.Size();
    id3v2Size_ = v2.Exists() ? v2.TotalSize() : 0;
    if (id3v2Size_ >= fileLength_) {
        *this = TMPEGaudio();
        return false;
    }
    std::vector<uint8_t> buffer = source.Read(id3v2Size_, kBufferSize);
    bool found = Search(buffer, id3v2Size_);
    if (!found && buffer.size() == kBufferSize) {
        const uint64_t middle = id3v2Size_ + (fileLength_ - id3v2Size_) / 2;
        buffer = source.Read(middle, kBufferSize);
        found = Search(buffer, middle);
    }
    if (!found) {
        *this = TMPEGaudio();
        return false;
    }
    const uint64_t audioBytes = fileLength_ - id3v2Size_ - firstFrame_;
    if (!vbr_)
        frameCount_ = uint32_t(std::min<uint64_t>(audioBytes / uint64_t(header_.FrameLength), UINT32_MAX));
    frameCount_ = uint32_t(std::min<uint64_t>(frameCount_, fileLength_ / uint64_t(header_.FrameLength)));
    if (vbr_)
        duration_ = double(frameCount_) * header_.SamplesPerFrame / header_.SampleRate;
    else
        duration_ = double(audioBytes) * 8.0 / (header_.BitRate * 1000.0);
    return true;
}

} // namespace swf
