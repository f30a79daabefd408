// Channel values per movie frame, the ObjectCenter origins and the arrow tips of balloons.
#include "model/animation_motion.h"
#include "model/object_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

TAnimationChannel channel(int type, int in, int inSteps, int out, int outSteps) {
    TAnimationChannel c;
    c.AnimationType = type;
    c.InFromValue = in;
    c.InSteps = inSteps;
    c.OutToValue = out;
    c.OutSteps = outSteps;
    return c;
}

TEST(ModelChannelValues, NoneStaysAtRest) {
    const TAnimationChannel c = channel(0, 0, 8, 0, 8);
    for (int k : {0, 5, 59})
        EXPECT_EQ(ChannelValue(c, 100, 2, 60, k), 100);
    EXPECT_EQ(ChannelValue(c, 0, 2, 60, 3), 0);
    EXPECT_EQ(RestingValue(TChannelId::Fade), 100);
    EXPECT_EQ(RestingValue(TChannelId::Width), 100);
    EXPECT_EQ(RestingValue(TChannelId::Blue), 100);
    EXPECT_EQ(RestingValue(TChannelId::Angle), 0);
    EXPECT_EQ(RestingValue(TChannelId::LocationY), 0);
}

TEST(ModelChannelValues, FadeInAtTwentyFramesPerSecond) {
    const TAnimationChannel fade = channel(1, 0, 8, 0, 8);
    EXPECT_EQ(ChannelValue(fade, 100, 2, 60, 0), 0);
    EXPECT_EQ(ChannelValue(fade, 100, 2, 60, 8), 50);
    EXPECT_EQ(ChannelValue(fade, 100, 2, 60, 16), 100);
    EXPECT_EQ(ChannelValue(fade, 100, 2, 60, 1), 7); // 100 - 100 * 15 / 16 = 100 - 93
    EXPECT_EQ(ChannelValue(fade, 100, 2, 60, 30), 100);
}

TEST(ModelChannelValues, OutMoveStartsOFramesBeforeTheEnd) {
    // 60 frames on stage, out-move of 8 units at factor 1: frames 52..59.
    const TAnimationChannel fade = channel(1, 0, 8, 20, 8);
    EXPECT_EQ(ChannelValue(fade, 100, 1, 60, 51), 100);
    EXPECT_EQ(ChannelValue(fade, 100, 1, 60, 52), 100);
    EXPECT_EQ(ChannelValue(fade, 100, 1, 60, 56), 60); // 100 - 80 * 4 / 8
    EXPECT_EQ(ChannelValue(fade, 100, 1, 60, 59), 30); // 100 - 80 * 7 / 8
}

TEST(ModelChannelValues, OffsetChannelsTruncateTowardZero) {
    const TAnimationChannel angle = channel(1, -30, 4, 45, 4);
    // 0 - (0 - (-30)) * (4 - 1) / 4 = -(90 / 4) = -22
    EXPECT_EQ(ChannelValue(angle, 0, 1, 40, 1), -22);
    EXPECT_EQ(ChannelValue(angle, 0, 1, 40, 0), -30);
    // 0 - (0 - 45) * 3 / 4 = 33
    EXPECT_EQ(ChannelValue(angle, 0, 1, 40, 39), 33);
}

TEST(ModelChannelValues, InMoveWinsWhenTheTimeOnStageIsShort) {
    const TAnimationChannel fade = channel(1, 0, 8, 0, 8);
    // 10 frames: frame 4 lies in both moves; the in-move applies.
    EXPECT_EQ(ChannelValue(fade, 100, 1, 10, 4), 50);
    EXPECT_EQ(ChannelValue(fade, 100, 1, 10, 9), 100 - 100 * 7 / 8);
}

TEST(ModelChannelValues, AllTimeLoopRepeatsInAndOut) {
    const TAnimationChannel width = channel(2, 0, 4, 200, 4);
    // Cycle of 8 frames at factor 1: in over 0..4, out over 5..7.
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 0), 0);
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 2), 50);
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 4), 100);
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 6), 150); // 100 - (100 - 200) * 2 / 4
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 7), 175);
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 8), 0);
    EXPECT_EQ(ChannelValue(width, 100, 1, 100, 18), 50);
}

TEST(ModelChannelValues, DamagedStepCountsAndHugeValuesAreSafe) {
    // Zero or negative steps from a damaged file: that move does not happen, no division by zero.
    EXPECT_EQ(ChannelValue(channel(1, 0, 0, 0, 0), 100, 2, 60, 0), 100);
    EXPECT_EQ(ChannelValue(channel(1, 0, -4, 0, 8), 100, 2, 60, 0), 100);
    EXPECT_EQ(ChannelValue(channel(2, 0, 0, 0, 0), 100, 2, 60, 7), 100);
    EXPECT_EQ(ChannelValue(channel(2, 0, 0, 50, 4), 100, 1, 60, 2), 75);
    // Values and steps typed without a maximum do not overflow.
    const auto big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(ChannelValue(channel(1, big, big, 0, 2), 100, 4, 100, 0), big);
    EXPECT_EQ(ChannelValue(channel(1, -big, 2, 0, 2), 0, 4, 100, 4), -big / 2);
    EXPECT_EQ(ChannelValue(channel(1, 0, 8, 0, 8), 100, 0, 60, 0), 100); // factor 0: no moves
}

TEST(ModelOrigins, EveryObjectCenterCode) {
    const OriginPoint custom{7, 9};
    const std::pair<int, OriginPoint> expected[] = {
        {0, {7, 9}},     {1, {50, 25}}, {2, {0, 0}},   {3, {50, 0}},  {4, {100, 0}}, {5, {100, 25}},
        {6, {100, 50}}, {7, {50, 50}}, {8, {0, 50}},  {9, {0, 25}},
    };
    for (const auto& [code, point] : expected)
        EXPECT_EQ(CenterOrigin(code, 101, 51, custom), point) << "code " << code;
    EXPECT_EQ(CenterOrigin(10, 101, 51, custom, OriginPoint{3, 4}), (OriginPoint{3, 4}));
    EXPECT_EQ(CenterOrigin(10, 101, 51, custom), (OriginPoint{50, 25})); // no arrow: centre
    EXPECT_EQ(CenterOrigin(99, 101, 51, custom), (OriginPoint{50, 25}));
    const auto low = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CenterOrigin(6, low, low, custom), (OriginPoint{low, low})); // no overflow
}

TEST(ModelOrigins, ShapesAndButtonsLoseTheirBorder) {
    TDemoFrame scene;
    TDemoObject& shape = NewObject(scene, TObjectKind::Shape, 0, 0);
    shape.Width = 100;
    shape.Height = 60;
    shape.BorderWidth = 4;
    shape.Animation.ObjectCenter = static_cast<int>(TObjectCenter::RightBottomCorner);
    EXPECT_EQ(ObjectOrigin(shape), (OriginPoint{95, 55}));
    TDemoObject& label = NewObject(scene, TObjectKind::Label, 0, 0);
    label.Width = 100;
    label.Height = 60;
    label.BorderWidth = 4;
    label.Animation.ObjectCenter = static_cast<int>(TObjectCenter::RightBottomCorner);
    EXPECT_EQ(ObjectOrigin(label), (OriginPoint{99, 59}));
}

TEST(ModelOrigins, BalloonsTurnAboutTheirArrowTip) {
    TDemoFrame scene;
    TDemoObject& balloon = NewObject(scene, TObjectKind::Balloon, 0, 0); // 121 x 73, BottomLeft
    EXPECT_EQ(ObjectOrigin(balloon), (OriginPoint{13, 70}));
    TDemoObject& round = NewObject(scene, TObjectKind::RoundBalloon, 0, 0); // 121 x 97, BottomRight
    EXPECT_EQ(ObjectOrigin(round), (OriginPoint{106, 92}));
    // ArrowPoint on another kind (a damaged file) falls back to the centre.
    TDemoObject& note = NewObject(scene, TObjectKind::Note, 0, 0);
    note.Animation.ObjectCenter = static_cast<int>(TObjectCenter::ArrowPoint);
    EXPECT_EQ(ObjectOrigin(note), (OriginPoint{80, 72}));
}

TEST(ModelOrigins, SceneUsesTheDemoSize) {
    TAnimationSettings settings;
    EXPECT_EQ(SceneOrigin(settings, 640, 480), (OriginPoint{320, 240}));
    settings.ObjectCenter = static_cast<int>(TObjectCenter::BottomCenter);
    EXPECT_EQ(SceneOrigin(settings, 640, 480), (OriginPoint{320, 479}));
}

TEST(ModelArrowPoints, Balloon) {
    const int w = 200, h = 100;
    const OriginPoint expected[] = {{100, 50}, {2, 85},  {2, 13},   {13, 2},  {185, 2},
                                    {197, 13}, {197, 85}, {185, 97}, {13, 97}};
    for (int arrow = 0; arrow < 9; ++arrow)
        EXPECT_EQ(BalloonArrowPoint(arrow, w, h), expected[arrow]) << "arrow " << arrow;
    EXPECT_EQ(BalloonArrowPoint(9, w, h), (OriginPoint{100, 50}));
    EXPECT_EQ(BalloonArrowPoint(-1, w, h), (OriginPoint{100, 50}));
}

TEST(ModelArrowPoints, RoundBalloon) {
    const int w = 200, h = 100;
    const OriginPoint expected[] = {{15, 85},  {5, 85},   {5, 15},   {15, 15},  {15, 5},   {185, 5},
                                    {185, 15}, {195, 15}, {195, 85}, {185, 85}, {185, 95}, {15, 95}};
    for (int arrow = 0; arrow < 12; ++arrow)
        EXPECT_EQ(RoundBalloonArrowPoint(arrow, w, h), expected[arrow]) << "arrow " << arrow;
    EXPECT_EQ(RoundBalloonArrowPoint(12, w, h), (OriginPoint{100, 50}));
}

} // namespace
} // namespace vantora
