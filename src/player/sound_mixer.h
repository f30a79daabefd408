#pragma once
// Mixes the sounds the player starts into one 44.1 kHz stereo stream: every voice is resampled
// to the output rate and summed with clipping. It is the SoundOutput of a real device and is
// pulled by it; it knows nothing of devices itself.

#include "player/sound_output.h"

#include <mutex>
#include <vector>

namespace player {

class SoundMixer : public SoundOutput {
public:
    static constexpr int kRate = 44100;
    // At most this many voices sound at once; starting another drops the oldest.
    static constexpr size_t kMaxVoices = 32;

    void Start(int key, std::shared_ptr<const PcmSound> sound, size_t from, size_t to, int loops) override;
    void Stop(int key) override;
    void StopAll() override;
    bool IsPlaying(int key) const override;

    // Fills `frames` stereo frames (2 × frames samples) and moves every voice on.
    void Mix(int16_t* out, size_t frames);
    size_t VoiceCount() const;

private:
    struct Voice {
        int key;
        std::shared_ptr<const PcmSound> sound;
        size_t from, to;
        int loopsLeft;
        double position; // in source frames
    };
    mutable std::mutex mutex_;
    std::vector<Voice> voices_;
};

} // namespace player
