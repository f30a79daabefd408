#include "swf/sound.h"

#include "swf/errors.h"
#include "swf/mpeg_audio.h"
#include "swf/tag_object.h"

#include <algorithm>
#include <cmath>

namespace swf {

void TSWFStartSound::WriteTagBody(TBitsEngine& be) {
    be.WriteWord(SoundId);
    be.WriteBits(0, 2);
    be.WriteBit(SyncStop);
    be.WriteBit(SyncNoMultiple);
    be.WriteBit(!Envelope.empty());
    be.WriteBit(HasLoops);
    be.WriteBit(HasOutPoint);
    be.WriteBit(HasInPoint);
    if (HasInPoint)
        be.WriteDWord(InPoint);
    if (HasOutPoint)
        be.WriteDWord(OutPoint);
    if (HasLoops)
        be.WriteWord(LoopCount);
    if (!Envelope.empty()) {
        const size_t count = std::min<size_t>(Envelope.size(), 255);
        be.WriteByte(uint8_t(count));
        for (size_t i = 0; i < count; ++i) {
            be.WriteDWord(Envelope[i].Pos44);
            be.WriteWord(Envelope[i].LeftLevel);
            be.WriteWord(Envelope[i].RightLevel);
        }
    }
}

void TFlashSound::LoadFromFile(const std::filesystem::path& path) {
    const TWaveInfo info = TWaveReader().ReadFile(path);
    // What the player cannot take as it is would play as noise: refuse it with the reason.
    if (info.FormatTag == wfADPCM)
        throw Error("sound " + QuotedPath(path) + ": ADPCM WAV files are not supported; save the sound as PCM or MP3");
    const bool mpeg = info.FormatTag == wfPlainMP3 || info.FormatTag == wfMPEGLayer3 || info.FormatTag == wfMPEG;
    if (mpeg && info.MPEGLayer != 3 && info.SamplesPerFrame != 0)
        throw Error("sound " + QuotedPath(path) + ": MPEG layer " + std::to_string(info.MPEGLayer) +
                    " audio is not supported; only MP3 (layer III) plays");
    if (info.FormatTag != 0 && info.FormatTag != wfPCM && !mpeg)
        throw Error("sound " + QuotedPath(path) + ": WAV format " + std::to_string(info.FormatTag) +
                    " is not supported; save the sound as PCM or MP3");
    if (info.FormatTag == wfPCM && info.BitsPerSample != 8 && info.BitsPerSample != 16)
        throw Error("sound " + QuotedPath(path) + ": " + std::to_string(info.BitsPerSample) +
                    "-bit samples are not supported; save the sound with 8 or 16 bits");
    path_ = path;
    info_ = info;
    format_ = rate_ = size_ = type_ = 0;
    if (info.FormatTag == 0)
        return; // unknown extension or no audio found: written with zero fields
    switch (info.FormatTag) {
    case wfPCM: format_ = 0; break;
    case wfMPEG: case wfMPEGLayer3: case wfPlainMP3: format_ = 2; break;
    default: format_ = 0; break;
    }
    switch (info.SampleRate / 5000) {
    case 1: rate_ = 0; break;
    case 2: rate_ = 1; break;
    case 3: case 4: rate_ = 2; break;
    case 8: rate_ = 3; break;
    default: rate_ = 0; break;
    }
    size_ = info.BitsPerSample == 8 ? 0 : 1;
    type_ = info.Channels == 2 ? 1 : 0;
}

int TFlashSound::MinVersion() const {
    switch (format_) {
    case 2: case 3: return 4;
    case 5: return 8;
    case 6: return 6;
    default: return 1;
    }
}

std::vector<uint8_t> TFlashSound::ReadData(uint64_t offset, size_t length) const {
    if (length == 0)
        return {};
    TFileSoundSource source(path_);
    std::vector<uint8_t> bytes = source.Read(info_.DataOffset + offset, length);
    if (bytes.size() != length)
        throw Error("sound " + std::to_string(CharacterId()) + ": cannot read its data from " + QuotedPath(path_));
    return bytes;
}

void TFlashSound::WriteToStream(TBitsEngine& be) {
    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteByte(FormatByte());
    be.WriteDWord(info_.SampleCount);
    if (format_ == 2)
        be.WriteWord(seekSamples_);
    if (!path_.empty() && (format_ == 0 || format_ == 2))
        be.WriteBytes(ReadData(0, size_t(info_.DataSize)));
    EndTag(be, start, tagDefineSound);
}

uint32_t TFlashSound::StreamSamplesPerFrame(double frameRate) const {
    return frameRate > 0 ? uint32_t(double(info_.SampleRate) / frameRate) : 0;
}

void TFlashSound::WriteStreamHead(TBitsEngine& be, double frameRate) {
    samplesPerFrame_ = StreamSamplesPerFrame(frameRate);
    streamPos_ = 0;
    streamSamples_ = 0;
    streamFrames_ = 0;
    const size_t start = BeginTag(be);
    be.WriteByte(uint8_t(rate_ << 2 | size_ << 1 | type_)); // playback
    be.WriteByte(FormatByte());                             // stream
    be.WriteWord(uint16_t(std::min<uint32_t>(samplesPerFrame_, 0xFFFF)));
    if (format_ == 2)
        be.WriteWord(0); // latency seek
    EndTag(be, start, tagSoundStreamHead2);
}

void TFlashSound::WriteStreamBlock(TBitsEngine& be) {
    if (format_ == 2) {
        WriteMp3StreamBlock(be);
        return;
    }
    const uint64_t bytesPerSample = uint64_t(info_.BitsPerSample / 8) * std::max<uint32_t>(info_.Channels, 1);
    size_t wanted = size_t(std::max<uint64_t>(bytesPerSample, 1) * samplesPerFrame_);
    std::vector<uint8_t> block;
    block.reserve(wanted);
    while (block.size() < wanted) {
        if (streamPos_ >= info_.DataSize) {
            if (!loop_ || info_.DataSize == 0)
                break;
            streamPos_ = 0;
        }
        const size_t n = size_t(std::min<uint64_t>(wanted - block.size(), info_.DataSize - streamPos_));
        const std::vector<uint8_t> part = ReadData(streamPos_, n);
        block.insert(block.end(), part.begin(), part.end());
        streamPos_ += n;
    }
    block.resize(wanted, 0); // silence after the end
    const size_t start = BeginTag(be);
    be.WriteBytes(block);
    EndTag(be, start, tagSoundStreamBlock);
}

void TFlashSound::WriteMp3StreamBlock(TBitsEngine& be) {
    // Whole MP3 frames until the samples written catch up with the movie frames shown.
    ++streamFrames_;
    const uint64_t target = streamFrames_ * samplesPerFrame_;
    std::vector<uint8_t> frames;
    uint32_t samples = 0;
    TFileSoundSource source(path_);
    while (streamSamples_ < target) {
        if (streamPos_ + 4 > info_.DataSize) {
            if (!loop_ || streamSamples_ == 0)
                break;
            streamPos_ = 0;
        }
        const std::vector<uint8_t> head = source.Read(info_.DataOffset + streamPos_, 4);
        TMPEGFrameHeader h;
        if (head.size() < 4 || !DecodeMPEGFrameHeader(head.data(), h)) {
            ++streamPos_; // tags and junk between frames are skipped
            continue;
        }
        const std::vector<uint8_t> frame = source.Read(info_.DataOffset + streamPos_, size_t(h.FrameLength));
        frames.insert(frames.end(), frame.begin(), frame.end());
        streamPos_ += uint64_t(h.FrameLength);
        streamSamples_ += uint64_t(h.SamplesPerFrame);
        samples += uint32_t(h.SamplesPerFrame);
    }
    const size_t start = BeginTag(be);
    if (frames.empty()) {
        be.WriteDWord(0);
    } else {
        be.WriteWord(uint16_t(std::min<uint32_t>(samples, 0xFFFF)));
        be.WriteWord(0); // seek
        be.WriteBytes(frames);
    }
    EndTag(be, start, tagSoundStreamBlock);
}

} // namespace swf
