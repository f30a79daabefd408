// Frame export: the frame list and click arguments, and the pictures written.
#include "player_test_support.h"

#include "player/frame_export.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "test_support.h"

using namespace player_test;

TEST(PlayerFrameExport, FrameListsAndClicksParse) {
    EXPECT_EQ(player::ParseFrameList("3,0,5-7,3"), (std::vector<int>{0, 3, 5, 6, 7}));
    EXPECT_EQ(player::ParseFrameList("12"), (std::vector<int>{12}));
    for (const char* bad : {"", ",", "1,,2", "a", "-1", "5-3", "1-", "0-999999999", "1.5"})
        EXPECT_FALSE(player::ParseFrameList(bad)) << bad;
    const auto click = player::ParseStageClick("410:326@24");
    ASSERT_TRUE(click);
    EXPECT_EQ(click->x, 410);
    EXPECT_EQ(click->y, 326);
    EXPECT_EQ(click->afterFrame, 24);
    for (const char* bad : {"", "1:2", "1@2", "1:2@", "x:2@3", "1:2@3@4", "-1:2@3"})
        EXPECT_FALSE(player::ParseStageClick(bad)) << bad;
}

TEST(PlayerFrameExport, WritesTheChosenFramesAndClicksPastAStop) {
    // Frame 0 stops on a full-stage button that plays on; frames 1.. are red.
    auto movie = NewMovie(40, 30);
    StopOnAPlayButton(*movie, 40, 30);
    movie->ShowFrame();
    movie->RemoveObject(1);
    auto* red = movie->AddRectangle(0, 0, 40, 30);
    red->SetSolidColor(0x0000ff);
    movie->PlaceObject(red, 1);
    movie->ShowFrame(3);
    const Bytes bytes = MovieBytes(*movie);
    vantora::test::TempDir dir;

    const auto stuck = player::ExportFrames(bytes, {0, 2}, {}, dir / "stuck");
    ASSERT_TRUE(stuck.ok) << stuck.error;
    ASSERT_EQ(stuck.written.size(), 2u);
    EXPECT_EQ(stuck.written[1].filename(), "frame-2.png");
    EXPECT_TRUE(PixelNear(QImage(QString::fromStdString(stuck.written[1].string())), 20, 15, 0x00ff00, 0));

    const auto moved = player::ExportFrames(bytes, {0, 2}, {{20, 15, 0}}, dir / "moved");
    ASSERT_TRUE(moved.ok) << moved.error;
    EXPECT_TRUE(PixelNear(QImage(QString::fromStdString(moved.written[0].string())), 20, 15, 0x00ff00, 0));
    EXPECT_TRUE(PixelNear(QImage(QString::fromStdString(moved.written[1].string())), 20, 15, 0xff0000, 0));

    const auto broken = player::ExportFrames(Bytes{1, 2, 3}, {0}, {}, dir / "broken");
    EXPECT_FALSE(broken.ok);
    EXPECT_FALSE(broken.error.empty());
}
