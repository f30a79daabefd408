#include "publish/video/video_export.h"

#include "base/file_replacement.h"
#include "player/flash_player.h"
#include "player/sound_mixer.h"
#include "publish/video/av_encoder.h"
#include "publish/video/gif_encoder.h"
#include "publish/video/watch_recorder.h"

#include <atomic>
#include <fstream>
#include <memory>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vantora::video {
namespace {

using Status = VideoExportResult::Status;

VideoExportResult failure(Status status, std::string message) {
    VideoExportResult result;
    result.status = status;
    result.message = std::move(message);
    return result;
}

std::string refusedText(const std::filesystem::path& file, int systemError) {
    return "\"" + file.string() + "\" cannot be written: " + std::system_category().message(systemError) + ".";
}

// The encoder's own file, removed however the export ends.
class WorkFile {
public:
    explicit WorkFile(const std::filesystem::path& folder, VideoFormat format) {
        static std::atomic<int> serial{0};
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        path_ = folder / ("video-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) +
                          (format == VideoFormat::Mp4 ? ".mp4" : ".webm"));
    }
    ~WorkFile() {
        std::error_code error;
        std::filesystem::remove(path_, error);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

bool copyInto(const std::filesystem::path& from, FileReplacement& to) {
    std::ifstream in(from, std::ios::binary);
    std::vector<std::uint8_t> block(std::size_t(1) << 20);
    while (in) {
        in.read(reinterpret_cast<char*>(block.data()), std::streamsize(block.size()));
        const auto got = std::size_t(in.gcount());
        if (got > 0 && !to.append(std::span(block.data(), got)))
            return false;
    }
    return in.eof();
}

} // namespace

VideoExportResult ExportVideo(std::span<const std::uint8_t> movie, const std::filesystem::path& target,
                              const VideoOptions& options, const std::filesystem::path& workFolder,
                              const ProgressObserver* progress) {
    // A folder that cannot take the file is told before anything is played.
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return failure(Status::TargetRefused, refusedText(target, EISDIR));
    FileReplacement out(target);
    if (!out.ok())
        return failure(Status::TargetRefused, refusedText(target, out.outcome().systemError));

    player::SoundMixer mixer;
    player::FlashPlayer player(&mixer);
    std::string loadError;
    if (!player.Load(movie, &loadError))
        return failure(Status::Failed, "The movie could not be played: " + loadError);
    const auto& definition = *player.Definition();
    const VideoSize size = FittedSize({definition.StageWidth(), definition.StageHeight()}, options.size);
    const double rate = RateOf(options, definition.FrameRate());
    const ViewerTiming timing{options.holdSeconds, 1.0 / rate};

    ProgressScope scope(progress, kVideoProgressLabel, kRecordProgressRange);
    VideoExportResult result;
    try {
        WatchRecording recording;
        if (options.format == VideoFormat::Gif) {
            GifEncoder gif([&out](std::span<const std::uint8_t> bytes) { return out.append(bytes); }, size, rate,
                           options.quality);
            recording = RecordWatch(player, mixer, timing, size, rate, gif, scope);
        } else {
            WorkFile work(workFolder, options.format);
            {
                AvEncoder encoder(work.path(), options.format, size, rate, options.quality);
                recording = RecordWatch(player, mixer, timing, size, rate, encoder, scope);
            }
            if (!recording.cancelled && !copyInto(work.path(), out))
                return failure(Status::Failed, refusedText(target, out.ok() ? EIO : out.outcome().systemError));
        }
        if (recording.cancelled)
            return failure(Status::Cancelled, {});
        result.frames = recording.frames;
        result.seconds = double(recording.frames) / rate;
    } catch (const VideoError& e) {
        return failure(Status::Failed, e.what());
    } catch (const std::bad_alloc&) {
        return failure(Status::Failed, "Not enough memory to record the video.");
    }
    const FileWriteOutcome committed = out.commit();
    if (!committed.ok())
        return failure(Status::Failed, refusedText(target, committed.systemError));
    result.status = Status::Done;
    return result;
}

} // namespace vantora::video
