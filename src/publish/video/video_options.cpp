#include "publish/video/video_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace vantora::video {
namespace {

std::optional<int> sideOf(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 2 || value > kMaxSide)
        return std::nullopt;
    return value;
}

int evenAtLeastTwo(double side) { return std::max(2, int(std::lround(side / 2.0)) * 2); }

} // namespace

std::optional<VideoFormat> FormatOfFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".mp4")
        return VideoFormat::Mp4;
    if (extension == ".webm")
        return VideoFormat::WebM;
    if (extension == ".gif")
        return VideoFormat::Gif;
    return std::nullopt;
}

std::optional<VideoSize> ParseVideoSize(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    const auto width = sideOf(std::string_view(text).substr(0, x));
    const auto height = sideOf(std::string_view(text).substr(x + 1));
    if (!width || !height)
        return std::nullopt;
    return VideoSize{*width, *height};
}

VideoSize FittedSize(VideoSize stage, std::optional<VideoSize> box) {
    const int width = std::max(stage.width, 1), height = std::max(stage.height, 1);
    if (!box && width <= kMaxSide && height <= kMaxSide)
        return {evenAtLeastTwo(width), evenAtLeastTwo(height)};
    if (!box)
        box = VideoSize{kMaxSide, kMaxSide};
    const double scale = std::min(box->width / double(width), box->height / double(height));
    return {std::min(evenAtLeastTwo(width * scale), box->width & ~1),
            std::min(evenAtLeastTwo(height * scale), box->height & ~1)};
}

double RateOf(const VideoOptions& options, double movieRate) {
    if (options.rate)
        return *options.rate;
    if (options.format == VideoFormat::Gif)
        return kDefaultGifRate;
    return movieRate > 0 && movieRate <= kMaxRate ? movieRate : 12.0;
}

} // namespace vantora::video
