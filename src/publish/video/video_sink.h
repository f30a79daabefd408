#pragma once
// Where the recorded video goes: an encoder takes the pictures in order, one per video frame,
// and the sound of the same time as 44.1 kHz stereo. Failures are thrown as VideoError.

#include <QImage>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace vantora::video {

class VideoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class VideoSink {
public:
    virtual ~VideoSink() = default;
    // `picture` is Format_RGB32 at the video's size. The same picture may come many times.
    virtual void AddFrame(const QImage& picture) = 0;
    // Interleaved stereo samples at 44.1 kHz, following the sound added before.
    virtual void AddSound(std::span<const std::int16_t> samples) = 0;
    // Writes what is still held; the video is complete when it returns.
    virtual void Finish() = 0;
};

} // namespace vantora::video
