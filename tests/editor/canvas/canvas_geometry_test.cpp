// Snapping, the handle hit test, the handle table and the pointer choice of balloons.

#include "editor/canvas/canvas_geometry.h"

#include "model/enum_names.h"
#include "model/object_kind.h"

#include <gtest/gtest.h>

namespace vantora::canvas {
namespace {

TDemoObject Box(int left, int top, int width, int height, TObjectKind kind = TObjectKind::Shape) {
    TDemoObject o;
    o.Kind = kind;
    o.Left = left;
    o.Top = top;
    o.Width = width;
    o.Height = height;
    return o;
}

std::string_view BalloonName(std::optional<std::int32_t> code) {
    return code ? *NameOfCode(names::BalloonArrow, *code) : "(none)";
}
std::string_view RoundName(std::optional<std::int32_t> code) {
    return code ? *NameOfCode(names::RoundBalloonArrow, *code) : "(none)";
}

TEST(CanvasGeometry, HandleBoxesLieOnTheCornersEdgesAndMiddles) {
    const TDemoObject o = Box(10, 20, 100, 50);
    EXPECT_EQ(HitTestSelected(o, {10, 20}), kTopLeft);
    EXPECT_EQ(HitTestSelected(o, {7, 17}), kTopLeft);   // 3 pixels out still grabs
    EXPECT_EQ(HitTestSelected(o, {6, 20}), kNoHandle);  // 4 pixels out misses
    EXPECT_EQ(HitTestSelected(o, {60, 20}), kTop);
    EXPECT_EQ(HitTestSelected(o, {109, 20}), kTopRight);
    EXPECT_EQ(HitTestSelected(o, {112, 20}), kTopRight); // right column reaches L + W + 2
    EXPECT_EQ(HitTestSelected(o, {113, 20}), kNoHandle);
    EXPECT_EQ(HitTestSelected(o, {106, 20}), kTopRight); // and back to L + W - 4
    EXPECT_EQ(HitTestSelected(o, {109, 45}), kRight);
    EXPECT_EQ(HitTestSelected(o, {109, 69}), kBottomRight);
    EXPECT_EQ(HitTestSelected(o, {60, 71}), kBottom);
    EXPECT_EQ(HitTestSelected(o, {10, 69}), kBottomLeft);
    EXPECT_EQ(HitTestSelected(o, {10, 45}), kLeft);
    EXPECT_EQ(HitTestSelected(o, {40, 30}), kBody);
    EXPECT_EQ(HitTestSelected(o, {109, 30}), kBody); // last pixel column, between handles
    EXPECT_EQ(HitTestSelected(o, {110, 30}), kNoHandle);
}

TEST(CanvasGeometry, OverlappingHandlesOfATinyObjectPreferTheLaterHandles) {
    // 4 x 4: every handle box covers the middle, and left (8) is asked first.
    const TDemoObject o = Box(0, 0, 4, 4);
    EXPECT_EQ(HitTestSelected(o, {1, 1}), kLeft);
    EXPECT_EQ(HitTestSelected(o, {1, 6}), kBottomLeft); // below the left handle's box
    EXPECT_EQ(HitTestSelected(o, {5, 1}), kBottom);     // the bottom box reaches up to the top row
    EXPECT_EQ(HitTestSelected(o, {6, 1}), kBottomRight);
    EXPECT_EQ(HitTestSelected(o, {6, -2}), kTopRight);
}

TEST(CanvasGeometry, BalloonTipOverridesHandlesAndNoneHasNoTip) {
    TDemoObject balloon = Box(100, 100, 200, 100, TObjectKind::Balloon);
    balloon.Option = *CodeOfName(names::BalloonArrow, "BottomRight");
    const std::optional<QPoint> tip = PointerTip(balloon);
    ASSERT_TRUE(tip);
    EXPECT_EQ(HitTestSelected(balloon, *tip), kPointerTip);
    EXPECT_EQ(HitTestSelected(balloon, *tip + QPoint(3, -3)), kPointerTip);
    EXPECT_NE(HitTestSelected(balloon, *tip + QPoint(4, 0)), kPointerTip);
    balloon.Option = *CodeOfName(names::BalloonArrow, "None");
    EXPECT_FALSE(PointerTip(balloon));
    EXPECT_EQ(HitTestSelected(balloon, {200, 150}), kBody);
    TDemoObject round = Box(0, 0, 150, 100, TObjectKind::RoundBalloon);
    round.Option = 0;
    EXPECT_TRUE(PointerTip(round)); // every round balloon points somewhere
    EXPECT_FALSE(PointerTip(Box(0, 0, 10, 10)));
}

TEST(CanvasGeometry, HandleTableMovesAndSizesTheRightEdges) {
    const TObjectBounds b{10, 20, 100, 50};
    struct Row {
        int handle;
        TObjectBounds expected;
    };
    const Row rows[] = {
        {kBody, {15, 27, 100, 50}},        {kTopLeft, {15, 27, 95, 43}}, {kTop, {10, 27, 100, 43}},
        {kTopRight, {10, 27, 105, 43}},   {kRight, {10, 20, 105, 50}},  {kBottomRight, {10, 20, 105, 57}},
        {kBottom, {10, 20, 100, 57}},     {kBottomLeft, {15, 20, 95, 57}}, {kLeft, {15, 20, 95, 50}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ApplyHandle(b, row.handle, 5, 7), row.expected) << "handle " << row.handle;
}

TEST(CanvasGeometry, BalloonTipBelowTheCentreGoesToTheBottomBySide) {
    const TDemoObject balloon = Box(0, 0, 200, 100, TObjectKind::Balloon); // centre (100, 50)
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {101, 120})), "BottomRight");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {99, 120})), "BottomLeft");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {100, 120})), "(none)"); // on the centre line
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {140, 50})), "(none)");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {101, -20})), "TopRight");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {99, -20})), "TopLeft");
}

TEST(CanvasGeometry, BalloonTipBesideTheBodyGoesToTheSides) {
    const TDemoObject balloon = Box(0, 0, 200, 100, TObjectKind::Balloon); // hw 100, hh 50
    // Far to the right, a little below: shallow, so the side position.
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {300, 60})), "RightDown");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {300, 40})), "RightUp");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {-100, 60})), "LeftDown");
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {-100, 40})), "LeftUp");
    // dx >= dy but steep against the body's diagonal: dy 60 >= 50 * 80 / 100.
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {180, 110})), "BottomRight");
    // dx < dy and within the body's slope (90 < 100 * 95 / 50): the bottom edge.
    EXPECT_EQ(BalloonName(ArrowToward(balloon, {190, 145})), "BottomRight");
    // Narrow balloon, dx < dy and dx beyond hw * dy / hh: the corner side position.
    const TDemoObject tall = Box(0, 0, 20, 200, TObjectKind::Balloon); // hw 10, hh 100
    EXPECT_EQ(BalloonName(ArrowToward(tall, {60, 170})), "RightDown");
}

TEST(CanvasGeometry, RoundBalloonTipChoosesAmongTwelvePlaces) {
    const TDemoObject round = Box(0, 0, 200, 100, TObjectKind::RoundBalloon); // hw 100, hh 50
    EXPECT_EQ(RoundName(ArrowToward(round, {110, 150})), "BottomRight");
    EXPECT_EQ(RoundName(ArrowToward(round, {90, 150})), "BottomLeft");
    EXPECT_EQ(RoundName(ArrowToward(round, {90, -50})), "TopLeft");
    EXPECT_EQ(RoundName(ArrowToward(round, {300, 60})), "RightBottom");
    EXPECT_EQ(RoundName(ArrowToward(round, {300, 40})), "RightTop");
    EXPECT_EQ(RoundName(ArrowToward(round, {-100, 60})), "LeftBottom");
    EXPECT_EQ(RoundName(ArrowToward(round, {-100, 40})), "LeftTop");
    EXPECT_EQ(RoundName(ArrowToward(round, {190, 140})), "RightBottmCorner"); // dy 90 >= 90 * 35 / 100: steep
    EXPECT_EQ(RoundName(ArrowToward(round, {10, -40})), "LeftTopCorner");
}

TEST(CanvasGeometry, DegenerateBalloonsAndOtherKindsGetNoPointer) {
    EXPECT_FALSE(ArrowToward(Box(0, 0, 1, 100, TObjectKind::Balloon), {50, 80})); // no half width
    EXPECT_FALSE(ArrowToward(Box(0, 0, 100, 0, TObjectKind::RoundBalloon), {20, 80}));
    EXPECT_FALSE(ArrowToward(Box(0, 0, 100, 100, TObjectKind::Note), {20, 80}));
    // Huge damaged sizes do not overflow the slope products.
    EXPECT_EQ(BalloonName(ArrowToward(Box(0, 0, 2000000000, 2000000000, TObjectKind::Balloon), {1000000001, 2000000000})),
              "BottomRight");
}

TEST(CanvasGeometry, InteriorExcludesTheOutermostPixels) {
    const TDemoObject o = Box(10, 10, 5, 5); // pixels 10..14
    EXPECT_TRUE(RectangleContains(o, {10, 10}));
    EXPECT_TRUE(RectangleContains(o, {14, 14}));
    EXPECT_FALSE(RectangleContains(o, {15, 14}));
    EXPECT_FALSE(InteriorContains(o, {10, 12}));
    EXPECT_FALSE(InteriorContains(o, {14, 12}));
    EXPECT_TRUE(InteriorContains(o, {11, 13}));
}

} // namespace
} // namespace vantora::canvas
