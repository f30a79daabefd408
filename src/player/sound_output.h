#pragma once
// Where the player's sounds go. The player decodes, the output mixes and plays; tests use an
// output that only records what it was asked to play, so no sound device is needed.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace player {

// Interleaved signed 16-bit samples.
struct PcmSound {
    int rate = 44100;
    int channels = 1;
    std::vector<int16_t> samples;
    size_t Frames() const { return channels > 0 ? samples.size() / size_t(channels) : 0; }
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays frames [from, to) of `sound` `loops` times under `key` (a sound id, or kStreamKey).
    virtual void Start(int key, std::shared_ptr<const PcmSound> sound, size_t from, size_t to, int loops) = 0;
    virtual void Stop(int key) = 0;
    virtual void StopAll() = 0;
    virtual bool IsPlaying(int key) const = 0;
};

// The key of the main timeline's stream sound.
inline constexpr int kStreamKey = -1;

} // namespace player
