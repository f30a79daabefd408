#pragma once
// What a video export is asked for: the container (from the file's extension), how long a stop
// point holds, the picture size and rate, and the quality. Plain values, shared by the Publish
// dialog, vantora-build and the exporter.

#include <filesystem>
#include <optional>
#include <string>

namespace vantora::video {

enum class VideoFormat { Mp4, WebM, Gif };

inline constexpr double kDefaultHoldSeconds = 2.0;
inline constexpr double kMaxHoldSeconds = 600.0;
inline constexpr int kDefaultQuality = 80; // 1 .. 100
inline constexpr double kDefaultGifRate = 10.0;
inline constexpr double kMaxRate = 120.0;
inline constexpr int kMaxSide = 7680;
// No video runs longer than half an hour, whatever the movie's stops and jumps do.
inline constexpr double kMaxVideoSeconds = 30.0 * 60.0;

struct VideoSize {
    int width = 0, height = 0;
    bool operator==(const VideoSize&) const = default;
};

struct VideoOptions {
    VideoFormat format = VideoFormat::Mp4;
    double holdSeconds = kDefaultHoldSeconds;
    std::optional<VideoSize> size; // a box the movie is scaled into; empty: the movie's size
    std::optional<double> rate;    // frames per second; empty: the movie's rate (GIF: 10)
    int quality = kDefaultQuality;
};

// The format a file name asks for by its extension (".mp4", ".webm", ".gif", any case).
std::optional<VideoFormat> FormatOfFile(const std::filesystem::path& file);

// "WxH" with both sides from 2 to kMaxSide.
std::optional<VideoSize> ParseVideoSize(const std::string& text);

// The picture size: the stage scaled into `box` with its aspect kept (the stage itself without a
// box), with even sides because the video encoders sample colour in 2 x 2 blocks.
VideoSize FittedSize(VideoSize stage, std::optional<VideoSize> box);

// The frame rate used: the option, else 10 for GIF, else the movie's rate.
double RateOf(const VideoOptions& options, double movieRate);

} // namespace vantora::video
