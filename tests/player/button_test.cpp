// Buttons: the state shown follows the mouse (up, over, down), the hit area decides, the release
// runs the button's actions and the state sounds start.
#include "player_test_support.h"

#include "sound_builders.h"
#include "swf/actions.h"
#include "swf/button.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "test_support.h"

using namespace player_test;

namespace {

// A movie whose frame 0 stops and shows a 40 x 20 button at (10, 10): up red, over green, down
// blue; releasing it goes to frame 3 (number 4) and plays.
struct ButtonMovie {
    std::unique_ptr<swf::TFlashMovie> movie = NewMovie();
    swf::TFlashButton* button = nullptr;

    ButtonMovie() {
        auto* up = movie->AddRectangle(0, 0, 40, 20);
        up->SetSolidColor(0x0000ff);
        auto* over = movie->AddRectangle(0, 0, 40, 20);
        over->SetSolidColor(0x00ff00);
        auto* down = movie->AddRectangle(0, 0, 40, 20);
        down->SetSolidColor(0xff0000);
        button = movie->AddButton(false, true);
        button->AddRecord(up, swf::bsUp | swf::bsHitTest, 1);
        button->AddRecord(over, swf::bsOver, 1);
        button->AddRecord(down, swf::bsDown, 1);
        button->OnRelease()->GotoFrame(4);
    }
    Bytes Finish() {
        movie->PlaceObject(button, 2)->SetTranslate(10, 10);
        movie->FrameActions()->Stop();
        for (int f = 0; f < 6; ++f)
            movie->ShowFrame();
        return MovieBytes(*movie);
    }
};

} // namespace

TEST(PlayerButton, StateFollowsTheMouse) {
    ButtonMovie made;
    player::FlashPlayer p;
    LoadOrFail(p, made.Finish());
    EXPECT_TRUE(PixelNear(p.RenderFrame(), 30, 20, 0xff0000, 0));
    p.MouseMove({30, 20});
    EXPECT_TRUE(p.OverButton());
    EXPECT_TRUE(PixelNear(p.RenderFrame(), 30, 20, 0x00ff00, 0));
    p.MousePress({30, 20});
    EXPECT_TRUE(PixelNear(p.RenderFrame(), 30, 20, 0x0000ff, 0));
    p.MouseMove({90, 70}); // dragged out while pressed: no longer down
    EXPECT_FALSE(PixelNear(p.RenderFrame(), 30, 20, 0x0000ff, 0));
    p.MouseRelease({90, 70}); // released outside: no action
    EXPECT_EQ(p.CurrentFrame(), 0);
    EXPECT_FALSE(p.OverButton());
    EXPECT_TRUE(PixelNear(p.RenderFrame(), 30, 20, 0xff0000, 0));
}

TEST(PlayerButton, ReleaseOverTheButtonRunsItsActions) {
    ButtonMovie made;
    player::FlashPlayer p;
    LoadOrFail(p, made.Finish());
    p.Click({12, 12});
    EXPECT_EQ(p.CurrentFrame(), 3);
    EXPECT_TRUE(p.Playing());
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 4);
}

TEST(PlayerButton, ClicksOutsideTheHitAreaDoNothing) {
    ButtonMovie made;
    player::FlashPlayer p;
    LoadOrFail(p, made.Finish());
    for (QPointF point : {QPointF(9, 15), QPointF(51, 15), QPointF(30, 9), QPointF(30, 31)}) {
        p.Click(point);
        EXPECT_EQ(p.CurrentFrame(), 0) << point.x() << ", " << point.y();
    }
}

TEST(PlayerButton, StateSoundsPlayOnTheirTransitions) {
    vantora::test::TempDir dir;
    const auto wav = dir / "click.wav";
    std::vector<uint8_t> samples(2000, 0x40);
    vantora::test::writeFileBytes(wav, swf_test::makeWav(1, 1, 22050, 16, samples));
    ButtonMovie made;
    auto* sound = made.movie->AddSound(wav);
    made.button->SetStateSound(3, sound->CharacterId()); // over-down to over-up: the release
    const Bytes bytes = made.Finish();
    RecordingOutput output;
    player::FlashPlayer p(&output);
    LoadOrFail(p, bytes);
    p.MouseMove({30, 20});
    p.MousePress({30, 20});
    EXPECT_TRUE(output.started.empty());
    p.MouseRelease({30, 20});
    ASSERT_EQ(output.started.size(), 1u);
    EXPECT_EQ(output.started[0].key, sound->CharacterId());
    EXPECT_EQ(output.started[0].frames, 1000u);
    EXPECT_EQ(output.started[0].rate, 22050);
}
