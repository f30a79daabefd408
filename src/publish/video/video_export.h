#pragma once
// A movie turned into a video file: played by our player as a viewer watches it, recorded at the
// video's size and rate, encoded, and written through one file replacement, so that a failed or
// cancelled export leaves the old file as it was and no partial file behind.

#include "base/progress.h"
#include "publish/video/video_options.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vantora::video {

struct VideoExportResult {
    enum class Status { Done, Cancelled, TargetRefused, Failed };
    Status status = Status::Failed;
    std::string message; // why not, for the message box and stderr
    std::int64_t frames = 0;
    double seconds = 0;
    bool ok() const { return status == Status::Done; }
};

// The label of the progress an export shows.
inline constexpr std::string_view kVideoProgressLabel = "Recording the video";

// `workFolder` holds the encoder's own file while it is written (MP4 and WebM).
VideoExportResult ExportVideo(std::span<const std::uint8_t> movie, const std::filesystem::path& target,
                              const VideoOptions& options, const std::filesystem::path& workFolder,
                              const ProgressObserver* progress);

} // namespace vantora::video
