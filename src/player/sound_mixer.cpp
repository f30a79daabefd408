#include "player/sound_mixer.h"

#include <algorithm>

namespace player {

void SoundMixer::Start(int key, std::shared_ptr<const PcmSound> sound, size_t from, size_t to, int loops) {
    if (!sound || sound->channels < 1 || sound->rate <= 0 || from >= std::min(to, sound->Frames()))
        return;
    to = std::min(to, sound->Frames());
    const std::lock_guard lock(mutex_);
    if (voices_.size() >= kMaxVoices)
        voices_.erase(voices_.begin());
    voices_.push_back({key, std::move(sound), from, to, std::max(loops, 1), double(from)});
}

void SoundMixer::Stop(int key) {
    const std::lock_guard lock(mutex_);
    std::erase_if(voices_, [key](const Voice& v) { return v.key == key; });
}

void SoundMixer::StopAll() {
    const std::lock_guard lock(mutex_);
    voices_.clear();
}

bool SoundMixer::IsPlaying(int key) const {
    const std::lock_guard lock(mutex_);
    return std::any_of(voices_.begin(), voices_.end(), [key](const Voice& v) { return v.key == key; });
}

size_t SoundMixer::VoiceCount() const {
    const std::lock_guard lock(mutex_);
    return voices_.size();
}

void SoundMixer::Mix(int16_t* out, size_t frames) {
    std::vector<int32_t> sum(frames * 2, 0);
    {
        const std::lock_guard lock(mutex_);
        for (Voice& v : voices_) {
            const PcmSound& s = *v.sound;
            const double step = double(s.rate) / kRate;
            for (size_t i = 0; i < frames; ++i) {
                if (v.position >= double(v.to)) {
                    if (--v.loopsLeft <= 0)
                        break;
                    v.position = double(v.from);
                }
                const size_t at = size_t(v.position);
                const int16_t left = s.samples[at * size_t(s.channels)];
                const int16_t right = s.channels > 1 ? s.samples[at * size_t(s.channels) + 1] : left;
                sum[2 * i] += left;
                sum[2 * i + 1] += right;
                v.position += step;
            }
        }
        std::erase_if(voices_, [](const Voice& v) { return v.loopsLeft <= 0 || (v.loopsLeft == 1 && v.position >= double(v.to)); });
    }
    for (size_t i = 0; i < frames * 2; ++i)
        out[i] = int16_t(std::clamp(sum[i], -32768, 32767));
}

} // namespace player
