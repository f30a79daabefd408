#pragma once
// The library's media player: Qt Multimedia decodes the MP3 or WAV file and plays it on the
// default output. The player and output are made at the first play, so that a program that never
// plays a sound never opens the sound device.

#include "editor/library/sound_player.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace vantora {

class LibrarySoundPlayer final : public SoundPlayer {
public:
    LibrarySoundPlayer();
    ~LibrarySoundPlayer() override;

    void play(const QString& file) override;
    void stop() override;

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace vantora
