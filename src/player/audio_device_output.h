#pragma once
// Plays the mixer's stream on the default sound device through Qt Multimedia. Without a device
// (or when Qt cannot open one) it stays silent and the movie plays on.

#include "player/sound_mixer.h"

#include <memory>

class QAudioSink;
class QIODevice;

namespace player {

class AudioDeviceOutput : public SoundMixer {
public:
    AudioDeviceOutput();
    ~AudioDeviceOutput() override;
    bool HasDevice() const { return sink_ != nullptr; }

private:
    std::unique_ptr<QIODevice> source_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace player
