#pragma once
// Video files through FFmpeg's libraries: H.264 (yuv420p) with AAC sound in MP4, moved to the
// front of the file so that browsers and phones play it while it loads, or VP9 with Opus in
// WebM. The encoder writes a file of its own; the exporter copies it to its target when done.

#include "publish/video/video_options.h"
#include "publish/video/video_sink.h"

#include <filesystem>
#include <memory>

namespace vantora::video {

class AvEncoder : public VideoSink {
public:
    // Opens `file` for `format` (Mp4 or WebM). Throws VideoError when an encoder or the file
    // cannot be opened.
    AvEncoder(const std::filesystem::path& file, VideoFormat format, VideoSize size, double rate, int quality);
    ~AvEncoder() override;

    void AddFrame(const QImage& picture) override;
    void AddSound(std::span<const std::int16_t> samples) override;
    void Finish() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace vantora::video
