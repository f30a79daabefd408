// The layers the canvas draws: grid dots, cursor paths, frames, and when pictures are rendered.

#include "editor/canvas/background_painter.h"
#include "editor/canvas/cursor_path_painter.h"
#include "editor/canvas/object_painter.h"
#include "editor/canvas/selection_painter.h"

#include "model/demo_frame.h"
#include "model/object_kind.h"
#include "render/object_render_cache.h"

#include <QPainter>

#include <cstdlib>
#include <memory>

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

int Brightness(QColor c) { return (c.red() + c.green() + c.blue()) / 3; }

// The path between two cursors stands out on white, black and the greys of screen shots, whether
// it is solid or dotted, and stays inside the area repainted for it.
TEST(CursorPath, StaysVisibleOnLightGreyAndDarkBackgrounds) {
    for (const QColor background : {QColor(Qt::white), QColor(Qt::black), QColor(0x80, 0x80, 0x80),
                                    QColor(0x40, 0x40, 0x40), QColor(0xC0, 0xC0, 0xC0)}) {
        for (const bool selectFirst : {true, false}) {
            QImage image(80, 60, QImage::Format_ARGB32);
            image.fill(background);
            TDemoFrame scene;
            scene.Objects.push_back(std::make_unique<TDemoObject>(Object(TObjectKind::Cursor, 0, 10, 10, 20)));
            scene.Objects.push_back(std::make_unique<TDemoObject>(Object(TObjectKind::Cursor, 60, 30, 10, 20)));
            const TDemoObject* first = scene.Objects[0].get();
            QPainter painter(&image);
            CursorPathPainter().paint(painter, scene, [&](const TDemoObject* o) { return selectFirst && o == first; });
            painter.end();
            const auto path = CursorPath(scene, [&](const TDemoObject* o) { return selectFirst && o == first; });
            ASSERT_EQ(path.size(), 1u);
            int standingOut = 0, outside = 0;
            const QRect extent = SegmentExtent(path[0]);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel == background)
                        continue;
                    standingOut += std::abs(Brightness(pixel) - Brightness(background)) >= 48;
                    outside += !extent.contains(x, y);
                }
            // The line runs about 50 pixels; dotted, a dot every third pixel at least.
            EXPECT_GE(standingOut, selectFirst ? 45 : 12) << background.name().toStdString() << " solid " << selectFirst;
            EXPECT_EQ(outside, 0) << background.name().toStdString();
        }
    }
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

TEST(ObjectPainter, DrawnRectCoversTheSpeakerIconAndTheEnlargedBalloon) {
    ObjectRenderCache cache;
    EXPECT_EQ(DrawnRect(Object(TObjectKind::Audio, 5, 6, 10, 10), cache), QRect(5, 6, 32, 32));
    EXPECT_EQ(DrawnRect(Object(TObjectKind::Text, 5, 6, 70, 20), cache), QRect(5, 6, 70, 20));
    EXPECT_EQ(DrawnRect(Object(TObjectKind::Balloon, 5, 6, 20, 60), cache), QRect(5, 6, 40, 60));
    EXPECT_EQ(cache.size(), 0u); // known without rendering
    const TDemoObject cursor = Object(TObjectKind::Cursor, 5, 6, 1, 1);
    const QRect drawn = DrawnRect(cursor, cache);
    const RgbaImage* picture = cache.find(cursor); // a cursor's picture has its own size
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(drawn, QRect(5, 6, picture->width, picture->height));
    EXPECT_GT(picture->width, 1);
}

TEST(ObjectPainter, PaintsOnlyObjectsReachingIntoTheArea) {
    TDemoFrame scene;
    TDemoObject& near = *scene.Objects.emplace_back(std::make_unique<TDemoObject>(Object(TObjectKind::Shape, 0, 0, 20, 20)));
    TDemoObject& far = *scene.Objects.emplace_back(std::make_unique<TDemoObject>(Object(TObjectKind::Shape, 60, 60, 20, 20)));
    ObjectRenderCache cache;
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ObjectPainter().paint(painter, scene, cache, QRect(0, 0, 30, 30));
    painter.end();
    EXPECT_NE(cache.find(near), nullptr);
    EXPECT_EQ(cache.find(far), nullptr); // never rendered: it lies outside
    const auto drawnPixels = [&image](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) != qRgb(255, 255, 255);
        return count;
    };
    EXPECT_GT(drawnPixels(QRect(0, 0, 20, 20)), 0);
    EXPECT_EQ(drawnPixels(QRect(60, 60, 20, 20)), 0);
}

} // namespace
} // namespace vantora::canvas
