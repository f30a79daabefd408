#include "player/sound_decoder.h"

#include <mpg123.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace player {

namespace {

void AppendPcm(std::span<const uint8_t> data, bool is16Bit, PcmSound& out) {
    if (is16Bit) {
        for (size_t i = 0; i + 1 < data.size() && out.samples.size() < kMaxSoundSamples; i += 2)
            out.samples.push_back(int16_t(data[i] | data[i + 1] << 8));
    } else {
        for (size_t i = 0; i < data.size() && out.samples.size() < kMaxSoundSamples; ++i)
            out.samples.push_back(int16_t((int(data[i]) - 128) << 8));
    }
}

bool InitMpg123() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = mpg123_init() == MPG123_OK; });
    return ok;
}

} // namespace

PcmSound DecodeMp3(std::span<const uint8_t> data) {
    PcmSound out;
    if (data.empty() || !InitMpg123())
        return out;
    int err = 0;
    std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)> handle(mpg123_new(nullptr, &err), mpg123_delete);
    if (!handle)
        return out;
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(handle.get());
    for (long rate : {5512l, 11025l, 22050l, 44100l, 8000l, 16000l, 24000l, 32000l, 48000l, 12000l})
        mpg123_format(handle.get(), rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(handle.get()) != MPG123_OK)
        return out;
    if (mpg123_feed(handle.get(), data.data(), data.size()) != MPG123_OK)
        return out;
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        size_t done = 0;
        const int rc = mpg123_read(handle.get(), buffer.data(), buffer.size(), &done);
        if (rc == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle.get(), &rate, &channels, &encoding);
            if (out.samples.empty()) {
                out.rate = int(rate);
                out.channels = channels;
            }
        }
        const size_t room = kMaxSoundSamples - out.samples.size();
        const size_t count = std::min(done / 2, room);
        const auto* samples = reinterpret_cast<const int16_t*>(buffer.data());
        out.samples.insert(out.samples.end(), samples, samples + count);
        if (rc == MPG123_NEED_MORE || rc == MPG123_DONE || out.samples.size() >= kMaxSoundSamples)
            break;
        if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
            break;
    }
    return out;
}

std::shared_ptr<const PcmSound> DecodeSound(const SoundDef& sound) {
    auto out = std::make_shared<PcmSound>();
    out->rate = sound.rate;
    out->channels = sound.stereo ? 2 : 1;
    switch (sound.format) {
    case 0:
    case 3: AppendPcm(sound.data, sound.is16Bit, *out); break;
    case 2: *out = DecodeMp3(sound.data); break;
    default: return nullptr;
    }
    if (out->samples.empty())
        return nullptr;
    return out;
}

std::shared_ptr<const PcmSound> DecodeStream(const TimelineDef& timeline, std::vector<size_t>& frameStarts) {
    frameStarts.clear();
    if (!timeline.stream)
        return nullptr;
    const StreamSoundDef& head = *timeline.stream;
    auto out = std::make_shared<PcmSound>();
    out->rate = head.rate;
    out->channels = head.stereo ? 2 : 1;
    std::vector<uint8_t> mp3;
    size_t mp3Frames = 0; // sample frames announced by the blocks so far
    for (const auto& frame : timeline.frames) {
        if (head.format == 2) {
            frameStarts.push_back(mp3Frames);
            if (frame.streamBlock.size() >= 4) {
                mp3Frames += size_t(frame.streamBlock[0] | frame.streamBlock[1] << 8);
                mp3.insert(mp3.end(), frame.streamBlock.begin() + 4, frame.streamBlock.end());
            }
        } else if (head.format == 0 || head.format == 3) {
            frameStarts.push_back(out->Frames());
            AppendPcm(frame.streamBlock, head.is16Bit, *out);
        } else {
            return nullptr;
        }
    }
    if (head.format == 2) {
        PcmSound decoded = DecodeMp3(mp3);
        *out = std::move(decoded);
    }
    if (out->samples.empty())
        return nullptr;
    return out;
}

} // namespace player
