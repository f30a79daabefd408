#pragma once
// Helpers of the player tests: a movie written by our SWF library as bytes, a player loaded with
// it, pixels at probe points, and a sound output that records what it is asked to play.

#include "player/flash_player.h"
#include "swf/movie.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace player_test {

using Bytes = std::vector<uint8_t>;

// A 100 x 80 pixel movie at 20 frames per second, version 6, in pixel units.
std::unique_ptr<swf::TFlashMovie> NewMovie(int width = 100, int height = 80, bool compressed = true);

// MakeStream and the saved file's bytes.
Bytes MovieBytes(swf::TFlashMovie& movie);

// Loads `bytes` into `player`; fails the test when the player refuses them.
void LoadOrFail(player::FlashPlayer& player, const Bytes& bytes);

// Stops the current frame on a green button at depth 1 that covers the width x height stage and
// plays on when released: the movie waits here until the stage is clicked.
void StopOnAPlayButton(swf::TFlashMovie& movie, int width, int height);

// Loads the movie's bytes into a fresh player and renders its first frame.
QImage FirstFrame(swf::TFlashMovie& movie);

// The colour at (x, y) as 0xRRGGBB.
uint32_t RgbAt(const QImage& image, int x, int y);

// True when each channel of the pixel is within `tolerance` of `rgb`.
::testing::AssertionResult PixelNear(const QImage& image, int x, int y, uint32_t rgb, int tolerance = 3);

struct StartedSound {
    int key = 0;
    size_t frames = 0; // sample frames of the sound
    size_t from = 0, to = 0;
    int loops = 0;
    int rate = 0, channels = 0;
};

// Records starts and stops; a sound counts as playing from its start until stopped.
class RecordingOutput : public player::SoundOutput {
public:
    void Start(int key, std::shared_ptr<const player::PcmSound> sound, size_t from, size_t to, int loops) override;
    void Stop(int key) override;
    void StopAll() override;
    bool IsPlaying(int key) const override;

    std::vector<StartedSound> started;
    std::vector<int> playing;
    int stopAllCount = 0;
};

} // namespace player_test
