#pragma once
// TMPEGaudio: finds the first MPEG audio frame of an MP3 file (after any ID3v2 tag), decodes its
// header and estimates frame count and duration (from a Xing/Info header when there is one).
// A file without a recognisable frame leaves every field zero.

#include "swf/sound_source.h"

namespace swf {

struct TMPEGFrameHeader {
    int Version = 0;       // 10 = MPEG-1, 20 = MPEG-2, 25 = MPEG-2.5
    int Layer = 0;         // 1..3
    bool Protection = false;
    int BitRate = 0;       // kbit/s
    int SampleRate = 0;    // Hz
    bool Padding = false;
    int ChannelMode = 0;   // 3 = single channel
    int FrameLength = 0;   // bytes
    int SamplesPerFrame = 0;
};

// Decodes four header bytes; false when they are no valid frame header.
bool DecodeMPEGFrameHeader(const uint8_t* p, TMPEGFrameHeader& header);

class TMPEGaudio {
public:
    // Reads the whole analysis; false (all fields zero) when no frame is found.
    bool Read(TSoundSource& source);

    bool Found() const { return found_; }
    const TMPEGFrameHeader& Header() const { return header_; }
    uint64_t FileLength() const { return fileLength_; }
    uint64_t ID3v2Size() const { return id3v2Size_; }
    uint64_t FirstFramePosition() const { return firstFrame_; } // from the end of the ID3v2 tag
    uint32_t FrameCount() const { return frameCount_; }
    bool IsVBR() const { return vbr_; }
    double Duration() const { return duration_; } // seconds
    int Channels() const { return found_ ? (header_.ChannelMode == 3 ? 1 : 2) : 0; }

    static constexpr size_t kBufferSize = 3458;

private:
    bool Search(const std::vector<uint8_t>& buffer, uint64_t bufferOffset);
    void ReadVBRHeader(const std::vector<uint8_t>& buffer, size_t frameAt);

    bool found_ = false;
    TMPEGFrameHeader header_;
    uint64_t fileLength_ = 0;
    uint64_t id3v2Size_ = 0;
    uint64_t firstFrame_ = 0;
    uint32_t frameCount_ = 0;
    bool vbr_ = false;
    double duration_ = 0.0;
};

} // namespace swf
