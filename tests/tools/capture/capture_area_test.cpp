// Where the capture frame starts, how it resizes, and where a click lands on its shot.

#include "capture_area.h"

#include <gtest/gtest.h>

namespace vantora::grabbit {
namespace {

TEST(CaptureArea, StartsCentredAtTheDemosDevicePixels) {
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(InitialArea({640, 480}, 1.0, screen), QRect(192, 144, 640, 480));
    // On a screen of two device pixels per point the frame covers half as many points.
    EXPECT_EQ(InitialArea({800, 600}, 2.0, screen), QRect(312, 234, 400, 300));
    // Larger than the screen: from its top-left corner; a second screen's offset is kept.
    EXPECT_EQ(InitialArea({1600, 1000}, 1.0, screen).topLeft(), QPoint(0, 0));
    EXPECT_EQ(InitialArea({640, 480}, 1.0, QRect(1024, 0, 1024, 768)), QRect(1216, 144, 640, 480));
}

TEST(CaptureArea, ResizingKeepsTheDemosShapeAndAMinimumSide) {
    const QRect area(100, 100, 640, 480);
    EXPECT_EQ(ResizedArea(area, {419, 900}, {640, 480}), QRect(100, 100, 320, 240)); // the height follows
    EXPECT_EQ(ResizedArea(area, {0, 0}, {640, 480}), QRect(100, 100, 54, 41));   // 40 high at least
    EXPECT_EQ(ResizedArea(area, {0, 0}, {240, 320}), QRect(100, 100, 40, 53));   // a tall demo: 40 wide
    EXPECT_EQ(ResizedArea(area, {500, 500}, {0, 480}), area);                      // no shape: no change
}

TEST(CaptureArea, ClicksMapToShotPixelsAndOutsideToNothing) {
    const QRect area(192, 144, 640, 480);
    const QSize shot(640, 480);
    EXPECT_EQ(ShotPoint({192, 144}, area, shot), QPoint(0, 0));
    EXPECT_EQ(ShotPoint({831, 623}, area, shot), QPoint(639, 479));
    EXPECT_FALSE(ShotPoint({832, 300}, area, shot));
    EXPECT_FALSE(ShotPoint({191, 300}, area, shot));
    EXPECT_FALSE(ShotPoint({300, 624}, area, shot));
    // A frame resized to half the demo's size: its shot is scaled up to the demo's size.
    EXPECT_EQ(ShotPoint({192 + 160, 144 + 120}, QRect(192, 144, 320, 240), shot), QPoint(320, 240));
    EXPECT_FALSE(ShotPoint({0, 0}, QRect(), shot));
}

} // namespace
} // namespace vantora::grabbit
