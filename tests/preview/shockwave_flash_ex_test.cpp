// The player widget: mouse events and clicks reach the movie's buttons unless clicks are locked,
// the widget's own events are raised either way, and the popup menu opens on right-button up.
#include "player_test_support.h"

#include "preview/shockwave_flash_ex.h"
#include "swf/place_object.h"
#include "swf/shape.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace player_test;

namespace {

// Frame 0 stops with a full-stage button that plays on.
Bytes ButtonMovie() {
    auto movie = NewMovie(100, 80);
    StopOnAPlayButton(*movie, 100, 80);
    movie->ShowFrame(3);
    return MovieBytes(*movie);
}

std::unique_ptr<vantora::TShockwaveFlashEx> Widget() {
    auto widget = std::make_unique<vantora::TShockwaveFlashEx>(nullptr, std::make_unique<RecordingOutput>());
    widget->resize(100, 80);
    EXPECT_TRUE(widget->LoadMovieBytes(ButtonMovie()));
    widget->FrameTimer().stop();
    return widget;
}

} // namespace

TEST(ShockwaveFlashEx, ClicksReachTheMovieAndRaiseTheEvents) {
    auto widget = Widget();
    QSignalSpy downs(widget.get(), &vantora::TShockwaveFlashEx::MouseDown);
    QSignalSpy ups(widget.get(), &vantora::TShockwaveFlashEx::MouseUp);
    QSignalSpy clicks(widget.get(), &vantora::TShockwaveFlashEx::Click);
    QTest::mouseMove(widget.get(), QPoint(50, 40));
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(widget->Playing());
}

TEST(ShockwaveFlashEx, LockedClicksRaiseTheEventsButDoNotReachTheMovie) {
    auto widget = Widget();
    widget->SetLockMouseClick(true);
    QSignalSpy clicks(widget.get(), &vantora::TShockwaveFlashEx::Click);
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, QPoint(50, 40));
    QTest::mouseDClick(widget.get(), Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_GE(clicks.count(), 1);
    EXPECT_FALSE(widget->Playing());
}

TEST(ShockwaveFlashEx, RightClickOpensOnlyTheAssignedPopup) {
    auto widget = Widget();
    EXPECT_FALSE(widget->Menu());
    QTest::mouseClick(widget.get(), Qt::RightButton, {}, QPoint(50, 40));
    EXPECT_FALSE(widget->Playing()); // no player menu, no button press
    QMenu popup;
    popup.addAction("Item");
    widget->SetPopupMenu(&popup);
    QTest::mouseClick(widget.get(), Qt::RightButton, {}, QPoint(50, 40));
    EXPECT_TRUE(popup.isVisible());
    popup.hide();
}

TEST(ShockwaveFlashEx, StageScalesWithTheWidget) {
    auto widget = Widget();
    widget->resize(200, 160); // twice the stage: (100, 70) is the stage's (50, 35)
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, QPoint(100, 70));
    EXPECT_TRUE(widget->Playing());
    const QImage shot = widget->grab().toImage();
    EXPECT_TRUE(PixelNear(shot, 150, 100, 0xff0000, 0) || PixelNear(shot, 150, 100, 0x00ff00, 0));
}

TEST(ShockwaveFlashEx, BadBytesAreRefusedWithAReason) {
    vantora::TShockwaveFlashEx widget(nullptr, std::make_unique<RecordingOutput>());
    EXPECT_FALSE(widget.LoadMovieBytes({1, 2, 3}));
    EXPECT_FALSE(widget.IsLoaded());
    EXPECT_FALSE(widget.LoadError().isEmpty());
    EXPECT_FALSE(widget.SetMovie("/nonexistent/movie.swf"));
    EXPECT_FALSE(widget.LoadError().isEmpty());
    EXPECT_FALSE(widget.FrameTimer().isActive());
}
