#pragma once
// TFlashSound: a sound character (DefineSound) built from a WAV or MP3 file, whose data is copied
// from the file when the tag is written; TSWFStartSound plays it from a timeline. The streaming
// tags (SoundStreamHead2 / SoundStreamBlock) are written from the same sound.

#include "swf/flash_object.h"
#include "swf/wave_reader.h"

#include <filesystem>
#include <vector>

namespace swf {

struct TSWFSoundEnvelope {
    uint32_t Pos44 = 0;
    uint16_t LeftLevel = 0;
    uint16_t RightLevel = 0;
};

class TSWFStartSound : public TSWFObject {
public:
    explicit TSWFStartSound(uint16_t soundId) : TSWFObject(tagStartSound), SoundId(soundId) {}
    void WriteTagBody(TBitsEngine& be) override;
    uint16_t SoundId;
    bool SyncStop = false;
    bool SyncNoMultiple = false;
    bool HasInPoint = false;
    bool HasOutPoint = false;
    bool HasLoops = false;
    uint32_t InPoint = 0;
    uint32_t OutPoint = 0;
    uint16_t LoopCount = 0;
    std::vector<TSWFSoundEnvelope> Envelope;
};

class TFlashSound : public TFlashIDObject {
public:
    explicit TFlashSound(TFlashMovie* owner) : TFlashIDObject(owner) {}

    // Reads the file's format and the place of its data. ADPCM WAV files throw swf::Error: their
    // data would need converting to the player's ADPCM layout, which is not done.
    void LoadFromFile(const std::filesystem::path& path);

    const TWaveInfo& Info() const { return info_; }
    uint8_t SoundFormat() const { return format_; }
    uint8_t SoundRate() const { return rate_; }
    uint8_t SoundSize() const { return size_; }
    uint8_t SoundType() const { return type_; }
    uint32_t SampleCount() const { return info_.SampleCount; }
    uint16_t SeekSamples() const { return seekSamples_; }
    void SetSeekSamples(uint16_t v) { seekSamples_ = v; }
    // Format, rate, size and type packed as the tags carry them.
    uint8_t FormatByte() const { return uint8_t(format_ << 4 | rate_ << 2 | size_ << 1 | type_); }

    int MinVersion() const override;
    // DefineSound with the data copied from the file. A file gone since loading throws swf::Error.
    void WriteToStream(TBitsEngine& be) override;

    // ---- streaming
    void SetStreamLoop(bool on) { loop_ = on; }
    uint32_t StreamSamplesPerFrame(double frameRate) const;
    // SoundStreamHead2 for a movie running at `frameRate`; resets the stream position.
    void WriteStreamHead(TBitsEngine& be, double frameRate);
    // One SoundStreamBlock with the next movie frame's share of the data.
    void WriteStreamBlock(TBitsEngine& be);

private:
    std::vector<uint8_t> ReadData(uint64_t offset, size_t length) const;
    void WriteMp3StreamBlock(TBitsEngine& be);

    std::filesystem::path path_;
    TWaveInfo info_;
    uint8_t format_ = 0;
    uint8_t rate_ = 0;
    uint8_t size_ = 0;
    uint8_t type_ = 0;
    uint16_t seekSamples_ = 0;
    // Stream state.
    bool loop_ = false;
    uint32_t samplesPerFrame_ = 0;
    uint64_t streamPos_ = 0;     // bytes of the data written so far
    uint64_t streamSamples_ = 0; // samples written so far (MP3)
    uint64_t streamFrames_ = 0;  // movie frames written so far
};

} // namespace swf
