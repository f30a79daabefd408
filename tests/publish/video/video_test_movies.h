#pragma once
// Small movies for the video tests, written by our SWF library: a 100 x 80 stage at 20 frames per
// second with a blue square moving right, optionally a stop point showing a button, a click
// sound at the start, and a frame action that starts the movie over.

#include "publish/video/video_sink.h"

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace video_test {

enum class StopButton { None, Plays, Replays, OpensPage };

struct TestMovie {
    int frames = 10;
    int stopAt = -1; // the frame with the stop point, or -1
    StopButton button = StopButton::None;
    bool sound = false;
    bool loops = false; // the last frame goes back to the first and plays on
};

inline constexpr int kStageWidth = 100, kStageHeight = 80;
inline constexpr double kMovieRate = 20;
// The middle of the stop point's button, in stage pixels.
inline constexpr double kButtonX = 75, kButtonY = 60;

std::vector<std::uint8_t> MakeMovie(const TestMovie& wanted, const std::filesystem::path& workFolder);

// Keeps every frame and counts the sound it is given.
class CapturingSink : public vantora::video::VideoSink {
public:
    void AddFrame(const QImage& picture) override { frames.push_back(picture); }
    void AddSound(std::span<const std::int16_t> samples) override { soundSamples += samples.size(); }
    void Finish() override { finished = true; }

    std::vector<QImage> frames;
    std::size_t soundSamples = 0;
    bool finished = false;
};

// Peak signal-to-noise ratio of two pictures of one size over their luma (BT.601), in dB: what
// the encoder keeps. Colour is stored at half resolution in yuv420p, which alone costs saturated
// edges more than the encoder does.
double Psnr(const QImage& a, const QImage& b);

} // namespace video_test
