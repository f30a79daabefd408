// Playing: frames, stop points, the goto actions, labels, sprites with their own timelines, the
// operations a host window uses (play, pause, stop, go to a frame).
#include "player_test_support.h"

#include "swf/actions.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"

using namespace player_test;

namespace {

// A movie of `frames` frames whose frame N shows a red bar over columns 0..N.
std::unique_ptr<swf::TFlashMovie> CountingMovie(int frames) {
    auto movie = NewMovie();
    for (int f = 0; f < frames; ++f) {
        auto* bar = movie->AddRectangle(0, 0, f + 1, 10);
        bar->SetSolidColor(0x0000ff);
        if (f > 0)
            movie->RemoveObject(1);
        movie->PlaceObject(bar, 1);
        movie->ShowFrame();
    }
    return movie;
}

// The frame the counting movie's picture shows.
int ShownFrame(player::FlashPlayer& p) {
    const QImage image = p.RenderFrame();
    int x = 0;
    while (x < image.width() && qGreen(image.pixel(x, 5)) < 128)
        ++x;
    return x - 1;
}

} // namespace

TEST(PlayerTimeline, PlaysFrameByFrameAndLoopsAtTheEnd) {
    auto movie = CountingMovie(4);
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    EXPECT_EQ(p.TotalFrames(), 4);
    EXPECT_TRUE(p.Playing());
    for (int expected : {0, 1, 2, 3, 0, 1}) {
        EXPECT_EQ(p.CurrentFrame(), expected);
        EXPECT_EQ(ShownFrame(p), expected);
        p.Tick();
    }
}

TEST(PlayerTimeline, StopActionHoldsTheFrameUntilPlay) {
    auto movie = NewMovie();
    for (int f = 0; f < 5; ++f) {
        if (f == 2)
            movie->FrameActions()->Stop();
        movie->ShowFrame();
    }
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    for (int i = 0; i < 6; ++i)
        p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 2);
    EXPECT_FALSE(p.Playing());
    p.Play();
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 3);
}

TEST(PlayerTimeline, GotoActionsJumpBothWaysAndRebuildTheStage) {
    // Frame 4 jumps back to frame number 2 (index 1) and plays on.
    auto jumping = NewMovie();
    for (int f = 0; f < 6; ++f) {
        auto* bar = jumping->AddRectangle(0, 0, f + 1, 10);
        bar->SetSolidColor(0x0000ff);
        if (f > 0)
            jumping->RemoveObject(1);
        jumping->PlaceObject(bar, 1);
        if (f == 4)
            jumping->FrameActions()->GotoFrame(2);
        jumping->ShowFrame();
    }
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*jumping));
    std::vector<int> seen;
    for (int i = 0; i < 8; ++i) {
        seen.push_back(ShownFrame(p));
        p.Tick();
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 1, 2, 3, 1}));
}

TEST(PlayerTimeline, HostOperationsPauseStopAndGoTo) {
    auto movie = CountingMovie(10);
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    p.Tick();
    p.Tick();
    p.StopPlay();
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 2);
    EXPECT_FALSE(p.Playing());
    p.GotoFrame(7);
    EXPECT_EQ(p.CurrentFrame(), 7);
    EXPECT_EQ(ShownFrame(p), 7);
    EXPECT_FALSE(p.Playing()); // going to a frame pauses there
    p.GotoFrame(1);
    EXPECT_EQ(ShownFrame(p), 1);
    p.GotoFrame(500); // clamped to the last frame
    EXPECT_EQ(p.CurrentFrame(), 9);
    p.GotoFrame(-3);
    EXPECT_EQ(p.CurrentFrame(), 0);
    p.Play();
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 1);
    p.Stop();
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 1);
}

TEST(PlayerTimeline, OneFrameMovieStaysOnItsFrame) {
    auto movie = NewMovie();
    movie->ShowFrame();
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    EXPECT_EQ(p.TotalFrames(), 1);
    p.Tick();
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 0);
}

TEST(PlayerTimeline, SpritesRunTheirOwnTimelineAndStartWhenPlaced) {
    auto movie = NewMovie();
    auto* sprite = movie->AddSprite();
    for (int f = 0; f < 3; ++f) {
        auto* bar = movie->AddRectangle(0, 0, f + 1, 10);
        bar->SetSolidColor(0x0000ff);
        if (f > 0)
            sprite->RemoveObject(1);
        sprite->PlaceObject(bar, 1);
        sprite->ShowFrame();
    }
    movie->ShowFrame(); // the sprite comes on the second frame
    movie->PlaceObject(sprite, 1);
    for (int f = 0; f < 5; ++f)
        movie->ShowFrame();
    movie->FrameActions()->Stop();
    movie->ShowFrame();
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    EXPECT_EQ(ShownFrame(p), -1); // nothing yet
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        p.Tick();
        seen.push_back(ShownFrame(p));
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1})); // the sprite loops on its own
}

TEST(PlayerTimeline, FrameLabelsAreFoundWithoutRegardToCase) {
    auto movie = NewMovie();
    movie->ShowFrame();
    movie->SetFrameLabel("Chapter");
    movie->ShowFrame();
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    const auto& timeline = p.Definition()->Root();
    EXPECT_EQ(timeline.FrameOfLabel("chapter"), 1);
    EXPECT_EQ(timeline.FrameOfLabel("nothing"), -1);
}

TEST(PlayerTimeline, GetUrlReachesTheHost) {
    auto movie = NewMovie();
    movie->FrameActions()->GetURL("http://example.org/\xC3\xA9", "_blank");
    movie->ShowFrame();
    player::FlashPlayer p;
    std::string url, target;
    p.SetUrlHandler([&](const std::string& u, const std::string& t) {
        url = u;
        target = t;
    });
    LoadOrFail(p, MovieBytes(*movie));
    EXPECT_EQ(url, "http://example.org/\xC3\xA9");
    EXPECT_EQ(target, "_blank");
}
