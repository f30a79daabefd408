#pragma once
// Records a watch of a movie into a video: the viewer's moments are sampled at the video's
// frame rate, each frame painted by the player at the video's size (with the pointer while the
// viewer reaches for a button), and the sounds the player starts are mixed for the same time,
// so that sound and picture stay in step.

#include "base/progress.h"
#include "publish/video/movie_viewer.h"
#include "publish/video/video_options.h"
#include "publish/video/video_sink.h"

#include <cstdint>

namespace player {
class SoundMixer;
}

namespace vantora::video {

struct WatchRecording {
    std::int64_t frames = 0;
    std::int64_t soundFrames = 0; // stereo sample frames at 44.1 kHz
    bool cancelled = false;
};

// `player` has the movie loaded with `mixer` as its sound output.
WatchRecording RecordWatch(player::FlashPlayer& player, player::SoundMixer& mixer, const ViewerTiming& timing,
                           VideoSize size, double rate, VideoSink& sink, const ProgressScope& progress);

// How long a watch of the loaded movie lasts, in seconds (capped at kMaxVideoSeconds): the plan a
// recording follows. Plays `player` through.
double PlannedSeconds(player::FlashPlayer& player, const ViewerTiming& timing);

// The progress range RecordWatch reports in.
inline constexpr int kRecordProgressRange = 100;

} // namespace vantora::video
