// The viewer's watch of a movie: how long each kind of stop point lasts in the video, where the
// pointer goes, that jumps are taken once, and that no watch runs past half an hour.

#include "publish/video/movie_viewer.h"
#include "publish/video/watch_recorder.h"
#include "player_test_support.h"
#include "test_support.h"
#include "video_test_movies.h"

#include "player/sound_mixer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantora::video {
namespace {

using video_test::StopButton;
using video_test::TestMovie;

// A one-second hold, the glide in six steps of a tenth, a quarter-second press.
constexpr ViewerTiming kTiming{1.0, 0.1, 0.6, 0.25};
constexpr double kFrame = 1.0 / video_test::kMovieRate;
constexpr double kReach = 0.6 + 0.25 + kFrame; // glide, press, and the frame the release shows

struct PlanCase {
    const char* name;
    TestMovie movie;
    double seconds;
};

class ViewerPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ViewerPlan, LastsAsTheStopsAndButtonsSay) {
    test::TempDir dir;
    player::FlashPlayer player;
    player_test::LoadOrFail(player, video_test::MakeMovie(GetParam().movie, dir.path()));
    EXPECT_NEAR(PlannedSeconds(player, kTiming), GetParam().seconds, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Movies, ViewerPlan,
    ::testing::Values(
        PlanCase{"NoStopPlaysEveryFrameOnce", {10, -1, StopButton::None}, 10 * kFrame},
        PlanCase{"StopWithoutButtonHoldsThenPlaysOn", {10, 3, StopButton::None}, 10 * kFrame + 1.0},
        PlanCase{"ButtonThatOnlyOpensAPageIsPassedBy", {10, 3, StopButton::OpensPage}, 10 * kFrame + 1.0},
        PlanCase{"PlayButtonIsReachedAndPressed", {10, 3, StopButton::Plays}, 10 * kFrame + 1.0 + kReach},
        // The replay is taken once: the movie plays again and ends at its second stop.
        PlanCase{"ReplayIsTakenOnce", {10, 9, StopButton::Replays}, 10 * kFrame + 1.0 + kReach + 9 * kFrame + 1.0},
        PlanCase{"EndlessMovieEndsAtHalfAnHour", {10, 0, StopButton::Plays, false, true}, kMaxVideoSeconds}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MovieViewer, PointerGlidesToTheButtonAndPressesIt) {
    test::TempDir dir;
    player::FlashPlayer player;
    player_test::LoadOrFail(player, video_test::MakeMovie({10, 3, StopButton::Plays}, dir.path()));
    MovieViewer viewer(player, kTiming);
    ViewerMoment moment;
    std::vector<ViewerMoment> moments;
    bool sawDownState = false;
    while (viewer.Next(moment)) {
        moments.push_back(moment);
        // The button's down state is dark blue; the pointer covers its middle.
        if (moment.seconds == kTiming.pressSeconds)
            sawDownState = player_test::PixelNear(player.RenderFrame(), 65, 55, 0x405878, 8);
    }
    std::vector<QPointF> pointer;
    for (const auto& m : moments)
        if (m.pointer)
            pointer.push_back(*m.pointer);
    ASSERT_EQ(pointer.size(), 8u); // six glide steps, the press, the release
    // The glide starts slowly from the middle of the stage: a sixth of the time covers 8/108 of the way.
    EXPECT_NEAR(pointer.front().x(), 50 + 25 * 8.0 / 108, 1e-9);
    EXPECT_NEAR(pointer.front().y(), 40 + 20 * 8.0 / 108, 1e-9);
    for (std::size_t i = 5; i < pointer.size(); ++i)
        EXPECT_EQ(pointer[i], QPointF(video_test::kButtonX, video_test::kButtonY)) << i;
    EXPECT_TRUE(sawDownState);
    EXPECT_FALSE(moments.back().pointer); // the hand leaves once the movie plays on
    EXPECT_EQ(player.CurrentFrame(), 9);
}

TEST(MovieViewer, EffectOfButtonActions) {
    player::ButtonDef button;
    EXPECT_EQ(EffectOf(button), ButtonEffect::None);
    // Play on release; a GotoFrame2 on press (after a push); an action only on rolling over.
    button.actions.push_back({player::kIdleToOverUp, {0x06, 0x00}});
    EXPECT_EQ(EffectOf(button), ButtonEffect::None);
    button.actions.push_back({player::kOverDownToOverUp, {0x83, 0x02, 0x00, 'a', 0, 0x06, 0x00}});
    EXPECT_EQ(EffectOf(button), ButtonEffect::Plays);
    button.actions.push_back({player::kOverUpToOverDown, {0x96, 0x03, 0x00, 0x00, 'x', 0, 0x9f, 0x01, 0x00, 0x01, 0x00}});
    EXPECT_EQ(EffectOf(button), ButtonEffect::Jumps);
    // A record whose length runs past the end stops the reading without a fault.
    player::ButtonDef damaged;
    damaged.actions.push_back({player::kOverDownToOverUp, {0x96, 0xff, 0xff, 0x06}});
    EXPECT_EQ(EffectOf(damaged), ButtonEffect::None);
}

TEST(WatchRecorder, FramesAndSoundCoverTheSameTime) {
    test::TempDir dir;
    player::SoundMixer mixer;
    player::FlashPlayer player(&mixer);
    player_test::LoadOrFail(player, video_test::MakeMovie({10, 3, StopButton::Plays, true}, dir.path()));
    video_test::CapturingSink sink;
    ProgressScope progress(nullptr, "", 1);
    const double rate = 15; // not the movie's rate: moments fall between video frames
    const WatchRecording made = RecordWatch(player, mixer, kTiming, {50, 40}, rate, sink, progress);
    const double seconds = 10 * kFrame + 1.0 + kReach;
    EXPECT_EQ(made.frames, std::int64_t(std::ceil(seconds * rate - 1e-6)));
    EXPECT_EQ(sink.frames.size(), std::size_t(made.frames));
    EXPECT_EQ(made.soundFrames, std::llround(double(made.frames) / rate * 44100));
    EXPECT_EQ(sink.soundSamples, std::size_t(made.soundFrames) * 2);
    EXPECT_TRUE(sink.finished);
    EXPECT_EQ(sink.frames.front().size(), QSize(50, 40));
    // The square has moved between the first and the last frame.
    EXPECT_LT(video_test::Psnr(sink.frames.front(), sink.frames.back()), 30);
}

} // namespace
} // namespace vantora::video
