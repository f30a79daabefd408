// The registration rectangle and position, the per-frame transform and the timing rules, as pure
// functions (no movie written).

#include "movie/cursor_path.h"
#include "movie/object_timing.h"
#include "movie/placement_transform.h"
#include "movie/registration.h"
#include "movie/shape_character.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

TDemoObject Object(TObjectKind kind, int left, int top, int width, int height, int start = 0, int end = 10) {
    TDemoObject o;
    o.Kind = kind;
    o.Left = left;
    o.Top = top;
    o.Width = width;
    o.Height = height;
    o.StartTime = start;
    o.EndTime = end;
    o.BorderWidth = 0;
    return o;
}

void ExpectRect(const swf::TRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.Left, left);
    EXPECT_EQ(r.Top, top);
    EXPECT_EQ(r.Right, right);
    EXPECT_EQ(r.Bottom, bottom);
}

TEST(Registration, CornerAndCentreModesBuildAroundTheChosenPoint) {
    TDemoObject o = Object(TObjectKind::Note, 30, 40, 100, 50);
    o.Animation.ObjectCenter = 2; // LeftTopCorner
    ExpectRect(RegistrationRect(o), 0, 0, 99, 49);
    EXPECT_EQ(RegistrationPosition(o), (MoviePoint{30, 40}));
    o.Animation.ObjectCenter = 1; // Center
    ExpectRect(RegistrationRect(o), -50, -25, 49, 24);
    EXPECT_EQ(RegistrationPosition(o), (MoviePoint{80, 65}));
    o.Animation.ObjectCenter = 6; // RightBottomCorner
    ExpectRect(RegistrationRect(o), -99, -49, 0, 0);
    EXPECT_EQ(RegistrationPosition(o), (MoviePoint{129, 89}));
    o.Animation.ObjectCenter = 0; // CustomCenter
    o.Animation.CustomCenterX = 10;
    o.Animation.CustomCenterY = 5;
    ExpectRect(RegistrationRect(o), -10, -5, 89, 44);
    EXPECT_EQ(RegistrationPosition(o), (MoviePoint{40, 45}));
    o.Animation.ObjectCenter = 77; // unknown: centred
    ExpectRect(RegistrationRect(o), -50, -25, 49, 24);
}

TEST(Registration, OddSizesKeepTheExtraPixelRightAndBelow) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 101, 51);
    ExpectRect(RegistrationRect(o), -50, -25, 50, 25);
}

TEST(Registration, ShapeRectangleLosesTheBorderButThePositionKeepsIt) {
    TDemoObject o = Object(TObjectKind::Shape, 10, 20, 100, 60);
    o.BorderWidth = 4;
    ExpectRect(RegistrationRect(o), -48, -28, 47, 27);
    EXPECT_EQ(RegistrationPosition(o), (MoviePoint{60, 50}));
}

TEST(Registration, ArrowPointUsesTheBalloonTipAndTheCornerForOtherKinds) {
    TDemoObject balloon = Object(TObjectKind::Balloon, 100, 100, 120, 80);
    balloon.Option = 7; // BottomRight: (w - 15, h - 3)
    balloon.Animation.ObjectCenter = 10;
    EXPECT_EQ(RegistrationPosition(balloon), (MoviePoint{205, 177}));
    ExpectRect(RegistrationRect(balloon), -105, -77, 14, 2);
    TDemoObject image = Object(TObjectKind::Image, 100, 100, 120, 80);
    image.Animation.ObjectCenter = 10;
    EXPECT_EQ(RegistrationPosition(image), (MoviePoint{100, 100}));
}

TEST(Registration, AbsurdCoordinatesAreClampedToTheFieldRange) {
    TDemoObject o = Object(TObjectKind::Shape, 2'000'000'000, -2'000'000'000, 2'000'000'000, 7);
    const MoviePoint p = RegistrationPosition(o);
    EXPECT_LE(std::int64_t(p.x) * 20, (std::int64_t{1} << 30));
    EXPECT_GE(std::int64_t(p.y) * 20, -(std::int64_t{1} << 30));
    EXPECT_LE(std::int64_t(RegistrationRect(o).Right) * 20, (std::int64_t{1} << 30));
}

TEST(ColourTerm, PercentMapsToTheAddRange) {
    EXPECT_EQ(PercentToColourTerm(-100), -255);
    EXPECT_EQ(PercentToColourTerm(-99), -252);
    EXPECT_EQ(PercentToColourTerm(-50), -127);
    EXPECT_EQ(PercentToColourTerm(0), 0);
    EXPECT_EQ(PercentToColourTerm(99), 252);
    EXPECT_EQ(PercentToColourTerm(100), 255);
    EXPECT_EQ(PercentToColourTerm(1'000'000'000'000), 255);
}

TransformSubject SubjectOf(const TDemoObject& o, int factor) {
    const ObjectTiming t = TimingOf(o, factor);
    return ObjectTransformSubject(o, t.Start, t.End, factor);
}

TEST(Transform, RestingObjectIsOnlyTranslated) {
    TDemoObject o = Object(TObjectKind::Note, 10, 20, 40, 30);
    const PlacementTransform t = ComputeTransform(SubjectOf(o, 2), 5);
    EXPECT_FALSE(t.HasColorTransform());
    EXPECT_EQ(t.RotationDegrees, 0);
    EXPECT_FALSE(t.Scaled);
    EXPECT_EQ(t.Translation, (MoviePoint{30, 35}));
}

TEST(Transform, AlphaAndFadeMakeTheAlphaTerm) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 40, 30, 0, 10);
    o.Alpha = 50;
    EXPECT_EQ(ComputeTransform(SubjectOf(o, 2), 3).AddAlpha, -127);
    o.Alpha = 100;
    o.Animation.Fade = {1, 0, 1, 0, 0, 0, 0}; // in from 0 over one unit, no out phase
    const TransformSubject s = SubjectOf(o, 2);
    EXPECT_EQ(ComputeTransform(s, 0).AddAlpha, -255);
    EXPECT_EQ(ComputeTransform(s, 1).AddAlpha, -127);
    EXPECT_FALSE(ComputeTransform(s, 2).AddAlpha.has_value());
    EXPECT_FALSE(ComputeTransform(s, 19).AddAlpha.has_value());
}

TEST(Transform, OutPhaseRunsTowardTheOutValueAtTheEnd) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 40, 30, 0, 10); // s 0, e 20, T 21
    o.Animation.Fade = {1, 100, 2, 0, 0, 2, 0};                     // out to 0 over 4 frames
    const TransformSubject s = SubjectOf(o, 2);
    EXPECT_FALSE(ComputeTransform(s, 16).AddAlpha.has_value());
    EXPECT_FALSE(ComputeTransform(s, 17).AddAlpha.has_value()); // T - Dout = 17: the out phase begins at rest
    EXPECT_EQ(ComputeTransform(s, 18).AddAlpha, -63);
    EXPECT_EQ(ComputeTransform(s, 20).AddAlpha, -191);
}

TEST(Transform, ColourChannelsSetTheirOwnTerms) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 40, 30, 0, 10);
    o.Animation.Red = {1, 200, 2, 0, 100, 2, 0};
    o.Animation.Blue = {1, 50, 2, 0, 100, 2, 0};
    const PlacementTransform t = ComputeTransform(SubjectOf(o, 1), 0);
    EXPECT_EQ(t.AddRed, 255);
    EXPECT_EQ(t.AddBlue, -127);
    EXPECT_FALSE(t.AddGreen.has_value());
    EXPECT_FALSE(t.AddAlpha.has_value());
}

TEST(Transform, RotationScaleAndLocationFollowTheirChannels) {
    TDemoObject o = Object(TObjectKind::Note, 100, 100, 80, 40, 0, 10);
    o.Animation.Angle = {1, 90, 2, 0, 0, 2, 0};
    o.Animation.Width = {1, 0, 2, 0, 100, 2, 0};
    o.Animation.Height = {1, 50, 2, 0, 100, 2, 0};
    o.Animation.LocationX = {1, -40, 2, 0, 0, 2, 0};
    const TransformSubject s = SubjectOf(o, 1);
    const PlacementTransform first = ComputeTransform(s, 0);
    EXPECT_EQ(first.RotationDegrees, 90);
    EXPECT_TRUE(first.Scaled);
    EXPECT_DOUBLE_EQ(first.ScaleX, 0.0);
    EXPECT_DOUBLE_EQ(first.ScaleY, 0.5);
    EXPECT_EQ(first.Translation, (MoviePoint{100, 120}));
    const PlacementTransform half = ComputeTransform(s, 1);
    EXPECT_EQ(half.RotationDegrees, 45);
    EXPECT_DOUBLE_EQ(half.ScaleX, 0.5);
    EXPECT_EQ(half.Translation, (MoviePoint{120, 120}));
    EXPECT_FALSE(ComputeTransform(s, 2).Scaled);
}

TEST(Transform, AllTimeLoopRepeatsWithTheCyclePeriod) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 40, 30, 0, 50);
    o.Animation.LocationY = {2, 8, 1, 0, 16, 1, 0}; // F = 2: period 4
    const TransformSubject s = SubjectOf(o, 2);
    for (int f = 0; f < 4; ++f)
        EXPECT_EQ(ComputeTransform(s, f).Translation, ComputeTransform(s, f + 4).Translation) << f;
    EXPECT_EQ(ComputeTransform(s, 0).Translation.y, 15 + 8);
    EXPECT_EQ(ComputeTransform(s, 3).Translation.y, 15 + 8);
}

TEST(Transform, ZeroLengthStepsStartAtRestInsteadOfDividingByZero) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 40, 30, 0, 10);
    o.Animation.Fade = {1, 0, 0, 0, 0, 0, 0};
    o.Animation.Angle = {2, 90, 0, 0, 90, 0, 0};
    const TransformSubject s = SubjectOf(o, 2);
    for (int f : {0, 1, 10, 19}) {
        const PlacementTransform t = ComputeTransform(s, f);
        EXPECT_FALSE(t.AddAlpha.has_value()) << f;
        EXPECT_EQ(t.RotationDegrees, 0) << f;
    }
}

TEST(Transform, CursorTakesThePathOffsetInsteadOfTheLocationChannels) {
    TDemoObject c = Object(TObjectKind::Cursor, 50, 60, 32, 32);
    c.Animation.LocationX = {1, 100, 2, 0, 0, 2, 0};
    const PlacementTransform t = ComputeTransform(SubjectOf(c, 2), 0, {7, -3});
    EXPECT_EQ(t.Translation, (MoviePoint{50 + 16 + 7, 60 + 16 - 3}));
}

TEST(Transform, FramesBeforeTheStartTakeTheFirstFramesValues) {
    TDemoObject c = Object(TObjectKind::Cursor, 0, 0, 32, 32, 5, 10);
    c.Animation.Angle = {1, 90, 2, 0, 0, 2, 0};
    const TransformSubject s = SubjectOf(c, 2);
    EXPECT_EQ(ComputeTransform(s, 0).RotationDegrees, 90);
    EXPECT_EQ(ComputeTransform(s, 10).RotationDegrees, 90);
}

TEST(Timing, FramesScaleWithTheFactorAndOddFactorsCountAsTwo) {
    EXPECT_EQ(EffectiveFrameRateFactor(1), 1);
    EXPECT_EQ(EffectiveFrameRateFactor(4), 4);
    EXPECT_EQ(EffectiveFrameRateFactor(3), 2);
    EXPECT_EQ(EffectiveFrameRateFactor(-7), 2);
    EXPECT_DOUBLE_EQ(MovieFrameRate(4), 40.0);
    EXPECT_DOUBLE_EQ(MovieFrameRate(0), 20.0);
    const ObjectTiming t = TimingOf(Object(TObjectKind::Note, 0, 0, 1, 1, 3, 7), 2);
    EXPECT_EQ(t.Start, 6);
    EXPECT_EQ(t.End, 14);
    EXPECT_EQ(t.Leave, 13);
    EXPECT_TRUE(t.OnStage);
}

TEST(Timing, DegenerateLivesAreMadeFinite) {
    const ObjectTiming oneUnit = TimingOf(Object(TObjectKind::Note, 0, 0, 1, 1, 3, 4), 1);
    EXPECT_EQ(oneUnit.Leave, 4); // seen in frame 3, removed in frame 4
    EXPECT_FALSE(TimingOf(Object(TObjectKind::Note, 0, 0, 1, 1, 5, 5), 2).OnStage);
    EXPECT_FALSE(TimingOf(Object(TObjectKind::Note, 0, 0, 1, 1, 5, 2), 2).OnStage);
    EXPECT_EQ(TimingOf(Object(TObjectKind::Note, 0, 0, 1, 1, -5, 2), 2).Start, 0);
}

TEST(Timing, PlacementModeFollowsStopWithSceneExceptForFixedKinds) {
    TDemoObject o = Object(TObjectKind::Note, 0, 0, 1, 1);
    EXPECT_FALSE(LivesInSprite(o));
    o.Animation.StopWithScene = false;
    EXPECT_TRUE(LivesInSprite(o));
    o.Kind = TObjectKind::Button;
    EXPECT_FALSE(LivesInSprite(o));
    EXPECT_TRUE(GetsSprite(o));
    o.Kind = TObjectKind::Audio;
    o.Animation.StopWithScene = true;
    EXPECT_TRUE(LivesInSprite(o));
}

TEST(CursorPath, OffsetsTruncateTowardZeroAndStandStillWithoutSpan) {
    EXPECT_EQ(CursorPathOffset({0, 0}, {100, -50}, 10, 30, 10), (MoviePoint{0, 0}));
    EXPECT_EQ(CursorPathOffset({0, 0}, {100, -50}, 10, 30, 13), (MoviePoint{15, -7}));
    EXPECT_EQ(CursorPathOffset({0, 0}, {100, -50}, 10, 30, 28), (MoviePoint{90, -45}));
    EXPECT_EQ(CursorPathOffset({0, 0}, {100, -50}, 10, 10, 12), (MoviePoint{0, 0}));
    EXPECT_EQ(CursorPathOffset({0, 0}, {100, -50}, 10, 4, 12), (MoviePoint{0, 0}));
}

TEST(CursorPath, NextCursorFollowsListOrderAndSkipsCursorsWithoutTime) {
    TDemoFrame scene;
    auto add = [&](TObjectKind kind, int start, int end) {
        scene.Objects.push_back(std::make_unique<TDemoObject>());
        scene.Objects.back()->Kind = kind;
        scene.Objects.back()->StartTime = start;
        scene.Objects.back()->EndTime = end;
    };
    add(TObjectKind::Cursor, 0, 10);
    add(TObjectKind::Note, 0, 10);
    add(TObjectKind::Cursor, 20, 30);
    add(TObjectKind::Cursor, 12, 12); // no time on stage
    add(TObjectKind::Cursor, 5, 8);   // starts earlier but comes later in the list
    const std::vector<bool> onPath = PathCursors(scene, 2);
    EXPECT_EQ(onPath, (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(NextCursorIndices(onPath), (std::vector<int>{2, -1, 4, -1, -1}));
    EXPECT_EQ(FirstCursorIndex(onPath), 0);
    EXPECT_EQ(FirstCursorIndex({false, false}), -1);
}

TEST(ShapeCharacter, ArrowPointsFollowTheTable) {
    const auto left = ArrowPolygon(3, 90, 40, 4);
    ASSERT_EQ(left.size(), 7u);
    EXPECT_EQ(left[0].X, 2);
    EXPECT_EQ(left[0].Y, 20);
    EXPECT_EQ(left[3].X, 90 - 2 - 1);
    EXPECT_EQ(left[3].Y, 10);
    const auto down = ArrowPolygon(6, 90, 60, 4);
    EXPECT_EQ(down[0].Y, 58);
    EXPECT_EQ(down[1].Y, 40);
    EXPECT_TRUE(ArrowPolygon(0, 90, 60, 4).empty());
}

} // namespace
} // namespace vantora
