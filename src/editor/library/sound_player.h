#pragma once
// What the "Audios" tab asks of a media player: close whatever plays, then open a file and start
// it. The program uses LibrarySoundPlayer; tests pass a recorder and need no sound device.

#include <QString>

namespace vantora {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Closes the player, gives it the file, opens and starts it.
    virtual void play(const QString& file) = 0;
    // Closes the player; nothing when it is closed already.
    virtual void stop() = 0;
};

} // namespace vantora
