#pragma once
// Animated GIFs for places where no video plays: each frame keeps only the rectangle that
// changed, with the pixels in it that did not change left transparent, in a palette of its own
// made by libimagequant. A picture that stays the same is one frame with a long delay. The file
// loops forever.

#include "publish/video/video_options.h"
#include "publish/video/video_sink.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vantora::video {

class GifEncoder : public VideoSink {
public:
    // `write` takes the file's bytes in order and returns false when they could not be written.
    GifEncoder(std::function<bool(std::span<const std::uint8_t>)> write, VideoSize size, double rate, int quality);
    ~GifEncoder() override;

    void AddFrame(const QImage& picture) override;
    void AddSound(std::span<const std::int16_t>) override {} // a GIF has no sound
    void Finish() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace vantora::video
