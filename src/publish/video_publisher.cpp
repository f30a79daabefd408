#include "publish/video_publisher.h"

#include "base/file_replacement.h"
#include "publish/movie_bytes.h"
#include "publish/video/video_export.h"

namespace vantora::publish {

PublishResult TVideoPublisher::Publish(const TVantora& demo, const PublishSettings& settings,
                                       const std::filesystem::path& target, const PublishContext& context) const {
    video::VideoOptions options = settings.video;
    const auto format = video::FormatOfFile(target);
    if (!format)
        return PublishResult::Failure(PublishFailure::WriteFile,
                                      "\"" + target.string() + "\" is not a video file name: use .mp4, .webm or .gif.");
    options.format = *format;
    // The folder must take the file before the movie is built, not after minutes of recording.
    if (const FileReplacement probe(target); !probe.ok())
        return PublishResult::Failure(PublishFailure::CreateOutput,
                                      OutputErrorMessage(probe.outcome().systemError, kCreateOutputCode));
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    const video::VideoExportResult exported =
        video::ExportVideo(movie.bytes, target, options, TemporaryFolderOf(context), context.progress);
    switch (exported.status) {
    case video::VideoExportResult::Status::Done: return PublishResult::Success({target}, std::move(movie.result.notes));
    case video::VideoExportResult::Status::Cancelled: return PublishResult::Cancel();
    case video::VideoExportResult::Status::TargetRefused:
        return PublishResult::Failure(PublishFailure::CreateOutput, exported.message);
    case video::VideoExportResult::Status::Failed: break;
    }
    return PublishResult::Failure(PublishFailure::WriteOutput, exported.message);
}

} // namespace vantora::publish
