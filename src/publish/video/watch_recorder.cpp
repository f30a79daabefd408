#include "publish/video/watch_recorder.h"

#include "player/sound_mixer.h"
#include "publish/video/pointer_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantora::video {
namespace {

constexpr double kSoundRate = player::SoundMixer::kRate;

QImage paintMoment(player::FlashPlayer& player, VideoSize size, const ViewerMoment& moment) {
    QImage picture(size.width, size.height, QImage::Format_RGB32);
    player.Render(picture);
    if (moment.pointer) {
        QPainter painter(&picture);
        DrawPointer(painter, *moment.pointer, size.width / double(std::max(1, player.Definition()->StageWidth())));
    }
    return picture;
}

} // namespace

WatchRecording RecordWatch(player::FlashPlayer& player, player::SoundMixer& mixer, const ViewerTiming& timing,
                           VideoSize size, double rate, VideoSink& sink, const ProgressScope& progress) {
    WatchRecording recording;
    MovieViewer viewer(player, timing);
    std::vector<std::int16_t> sound;
    double start = 0;
    int shownProgress = -1;
    ViewerMoment moment;
    while (start < kMaxVideoSeconds && viewer.Next(moment)) {
        const double end = std::min(start + moment.seconds, kMaxVideoSeconds);
        // Frame k shows at k / rate: the frames whose time falls in this moment show its picture.
        const auto lastFrame = std::int64_t(std::ceil(end * rate - 1e-6));
        if (recording.frames < lastFrame) {
            const QImage picture = paintMoment(player, size, moment);
            for (; recording.frames < lastFrame; ++recording.frames) {
                if (progress.cancelled()) {
                    recording.cancelled = true;
                    return recording;
                }
                sink.AddFrame(picture);
            }
        }
        const auto soundEnd = std::int64_t(std::llround(double(lastFrame) / rate * kSoundRate));
        if (soundEnd > recording.soundFrames) {
            sound.resize(std::size_t(soundEnd - recording.soundFrames) * 2);
            mixer.Mix(sound.data(), sound.size() / 2);
            sink.AddSound(sound);
            recording.soundFrames = soundEnd;
        }
        start = end;
        const int total = std::max(1, player.TotalFrames());
        const int position = std::min(kRecordProgressRange, player.CurrentFrame() * kRecordProgressRange / total);
        if (position > shownProgress) {
            shownProgress = position;
            progress.advance(position);
        }
    }
    sink.Finish();
    return recording;
}

double PlannedSeconds(player::FlashPlayer& player, const ViewerTiming& timing) {
    MovieViewer viewer(player, timing);
    double seconds = 0;
    ViewerMoment moment;
    while (seconds < kMaxVideoSeconds && viewer.Next(moment))
        seconds += moment.seconds;
    return std::min(seconds, kMaxVideoSeconds);
}

} // namespace vantora::video
