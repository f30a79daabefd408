// The layers the canvas draws: grid dots, cursor paths, frames, and when pictures are rendered.

#include "editor/canvas/background_painter.h"
#include "editor/canvas/cursor_path_painter.h"
#include "editor/canvas/object_picture_cache.h"
#include "editor/canvas/selection_painter.h"

#include "model/demo_frame.h"
#include "model/object_kind.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace vantora::canvas {
namespace {

TDemoObject Object(TObjectKind kind, int left, int top, int width, int height) {
    TDemoObject o;
    o.Kind = kind;
    o.Left = left;
    o.Top = top;
    o.Width = width;
    o.Height = height;
    return o;
}

int BlackPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 0);
    return count;
}

TEST(GridDots, OneBlackPixelAtEveryGridPointInside) {
    QImage image(17, 9, QImage::Format_ARGB32);
    image.fill(Qt::white);
    DrawGridDots(image, 8, 8);
    // Columns 0, 8, 16 and rows 0, 8.
    EXPECT_EQ(BlackPixels(image), 6);
    EXPECT_EQ(image.pixel(16, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 8), qRgb(255, 255, 255));
    QImage other(10, 10, QImage::Format_ARGB32);
    other.fill(Qt::white);
    DrawGridDots(other, 0, 8); // a damaged grid draws nothing rather than looping forever
    EXPECT_EQ(BlackPixels(other), 0);
}

TEST(BackgroundPainter, ComposesOnceAndAgainWhenTheGridChanges) {
    TDemoFrame scene;
    scene.BackColor = 0x00FF00; // blue in the model's BGR order
    BackgroundPainter painter;
    QImage target(32, 16, QImage::Format_ARGB32);
    QPainter p(&target);
    painter.paint(p, scene, {32, 16}, {true, true, 8, 8}, QRect(0, 0, 32, 16));
    EXPECT_EQ(painter.composed().pixel(8, 8), qRgb(0, 0, 0));
    EXPECT_EQ(painter.composed().pixel(9, 8), qRgb(0, 0xFF, 0));
    painter.paint(p, scene, {32, 16}, {false, true, 8, 8}, QRect(0, 0, 32, 16));
    EXPECT_EQ(painter.composed().pixel(8, 8), qRgb(0, 0xFF, 0)); // grid hidden
    p.end();
    EXPECT_EQ(target.pixel(8, 8), qRgb(0, 0xFF, 0));
}

TEST(CursorPath, LinesJoinFacingEdgesOfConsecutiveCursors) {
    const TDemoObject p = Object(TObjectKind::Cursor, 100, 100, 20, 30);
    // Far below: vertical, from p's bottom centre to q's top centre.
    EXPECT_EQ(CursorPathLine(p, Object(TObjectKind::Cursor, 110, 300, 20, 30)), QLine(110, 130, 120, 300));
    // Far above.
    EXPECT_EQ(CursorPathLine(p, Object(TObjectKind::Cursor, 110, 0, 20, 30)), QLine(110, 100, 120, 30));
    // Far right: horizontal, right middle to left middle.
    EXPECT_EQ(CursorPathLine(p, Object(TObjectKind::Cursor, 300, 110, 20, 30)), QLine(120, 115, 300, 125));
    // Left, and an exact diagonal counts as horizontal.
    EXPECT_EQ(CursorPathLine(p, Object(TObjectKind::Cursor, 0, 0, 20, 30)), QLine(100, 115, 20, 15));
}

TEST(CursorPath, SolidAfterASelectedCursorAndOnlyBetweenCursors) {
    TDemoFrame scene;
    auto add = [&](TObjectKind kind, int left) {
        scene.Objects.push_back(std::make_unique<TDemoObject>(Object(kind, left, 0, 10, 10)));
        return scene.Objects.back().get();
    };
    TDemoObject* first = add(TObjectKind::Cursor, 0);
    add(TObjectKind::Shape, 50);
    add(TObjectKind::Cursor, 100);
    add(TObjectKind::Cursor, 200);
    const auto path = CursorPath(scene, [first](const TDemoObject* o) { return o == first; });
    ASSERT_EQ(path.size(), 2u);
    EXPECT_TRUE(path[0].solid);
    EXPECT_FALSE(path[1].solid);
    EXPECT_EQ(path[0].line, QLine(10, 5, 100, 5)); // the shape in between is skipped
}

TEST(SelectionLayer, FrameSitsOnePixelOutsideAndExtentHoldsTheTip) {
    const TDemoObject o = Object(TObjectKind::Shape, 10, 20, 30, 40);
    EXPECT_EQ(FrameRect(o), QRect(QPoint(9, 19), QPoint(40, 60)));
    EXPECT_TRUE(SelectionExtent(o).contains(QRect(QPoint(7, 17), QPoint(42, 62)))); // handle boxes
    TDemoObject balloon = Object(TObjectKind::RoundBalloon, 100, 100, 150, 100);
    const std::optional<QPoint> tip = PointerTip(balloon);
    ASSERT_TRUE(tip);
    EXPECT_TRUE(SelectionExtent(balloon).contains(QRect(*tip - QPoint(4, 4), *tip + QPoint(4, 4))));
}

TEST(SelectionLayer, FrameStaysVisibleOnBlackAndOnWhite) {
    for (const QColor background : {QColor(Qt::black), QColor(Qt::white)}) {
        QImage image(60, 60, QImage::Format_ARGB32);
        image.fill(background);
        TDemoFrame scene;
        scene.Objects.push_back(std::make_unique<TDemoObject>(Object(TObjectKind::Shape, 10, 10, 30, 30)));
        QPainter painter(&image);
        SelectionPainter().paint(painter, scene, [](const TDemoObject*) { return true; }, image.rect());
        painter.end();
        int differing = 0; // of the 32 pixels of the frame's top edge
        for (int x = 9; x <= 40; ++x)
            differing += image.pixelColor(x, 9) != background;
        EXPECT_GE(differing, 12) << background.name().toStdString();
        // A handle's centre differs from the background too.
        EXPECT_NE(image.pixelColor(10, 10), background);
    }
}

TEST(ObjectPictureCache, MovingKeepsThePictureAndResizingOrEditingRendersAgain) {
    TDemoObject shape = Object(TObjectKind::Shape, 0, 0, 40, 30);
    ObjectPictureCache cache;
    const QImage* first = cache.pictureFor(shape);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), QSize(40, 30));
    EXPECT_EQ(cache.renderCount(), 1);
    shape.Left = 25;
    cache.objectChanged(shape);
    cache.pictureFor(shape);
    EXPECT_EQ(cache.renderCount(), 1); // moved only
    shape.Width = 50;
    cache.objectChanged(shape);
    EXPECT_EQ(cache.pictureFor(shape)->size(), QSize(50, 30));
    EXPECT_EQ(cache.renderCount(), 2);
    shape.BackColor = 0x0000FF;
    cache.objectChanged(shape); // same rectangle: some other property changed
    cache.pictureFor(shape);
    EXPECT_EQ(cache.renderCount(), 3);
    // A size change the cache was not told about is caught at drawing time.
    shape.Height = 10;
    EXPECT_EQ(cache.pictureFor(shape)->size(), QSize(50, 10));
}

TEST(ObjectPictureCache, SmallBalloonsDrawAtLeastFortySquareAndTextHasNoPicture) {
    ObjectPictureCache cache;
    const TDemoObject balloon = Object(TObjectKind::Balloon, 0, 0, 20, 60);
    const QImage* picture = cache.pictureFor(balloon);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(40, 60));
    EXPECT_EQ(balloon.Width, 20); // the object itself is left alone
    EXPECT_EQ(cache.pictureFor(Object(TObjectKind::Text, 0, 0, 50, 50)), nullptr);
    const QImage* speaker = cache.pictureFor(Object(TObjectKind::Audio, 0, 0, 50, 50));
    ASSERT_TRUE(speaker);
    EXPECT_EQ(speaker->size(), QSize(32, 32));
    EXPECT_EQ(cache.pictureFor(Object(TObjectKind::Shape, 0, 0, 0, 10)), nullptr); // nothing to draw
}

} // namespace
} // namespace vantora::canvas
