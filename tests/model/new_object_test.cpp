// New objects: the defaults of every kind and the timing rules that place them on the timeline.
#include "model/object_operations.h"
#include "model/stop_points.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

// ---- timing ----

TEST(ModelTiming, FirstObjectStartsAtZeroAndLastsThirtyUnits) {
    TDemoFrame scene;
    TDemoObject& note = NewObject(scene, TObjectKind::Note, 5, 6);
    EXPECT_EQ(note.StartTime, 0);
    EXPECT_EQ(note.EndTime, 30);
    EXPECT_EQ(scene.Length, 100);
}

TEST(ModelTiming, SecondObjectOfAKindStartsTenAfterTheLastOne) {
    TDemoFrame scene;
    NewObject(scene, TObjectKind::Note, 0, 0);
    TDemoObject& second = NewObject(scene, TObjectKind::Note, 0, 0);
    EXPECT_EQ(second.StartTime, 10);
    EXPECT_EQ(second.EndTime, 40);
    // Another kind is not staggered against notes.
    EXPECT_EQ(NewObject(scene, TObjectKind::Label, 0, 0).StartTime, 0);
}

TEST(ModelTiming, StaggerFollowsTheLastObjectOfTheKindInListOrder) {
    TDemoFrame scene;
    TDemoObject& first = NewObject(scene, TObjectKind::Shape, 0, 0);
    NewObject(scene, TObjectKind::Shape, 0, 0);
    first.StartTime = 50; // the list order decides, not the largest start
    NewObject(scene, TObjectKind::Label, 0, 0);
    EXPECT_EQ(NewObject(scene, TObjectKind::Shape, 0, 0).StartTime, 20);
}

TEST(ModelTiming, StartWrapsToZeroWhenItWouldNotLieInsideTheScene) {
    TDemoFrame scene;
    NewObject(scene, TObjectKind::Note, 0, 0).StartTime = 95;
    TDemoObject& next = NewObject(scene, TObjectKind::Note, 0, 0);
    EXPECT_EQ(next.StartTime, 0); // 105 is not below 100
    EXPECT_EQ(next.EndTime, 30);

    TDemoFrame edge;
    NewObject(edge, TObjectKind::Note, 0, 0).StartTime = 89;
    EXPECT_EQ(NewObject(edge, TObjectKind::Note, 0, 0).StartTime, 99); // 99 still lies inside
    EXPECT_EQ(edge.Length, 129);
}

TEST(ModelTiming, NewObjectRaisesAShortSceneToItsEnd) {
    TDemoFrame scene;
    scene.Length = 20;
    NewObject(scene, TObjectKind::Label, 0, 0);
    EXPECT_EQ(scene.Length, 30);
}

TEST(ModelTiming, CursorStartsWhereTheLastCursorEnds) {
    TDemoFrame scene;
    TDemoObject& first = NewObject(scene, TObjectKind::Cursor, 0, 0);
    EXPECT_EQ(first.StartTime, 0);
    EXPECT_EQ(first.EndTime, 20);
    first.EndTime = 90;
    TDemoObject& second = NewObject(scene, TObjectKind::Cursor, 0, 0);
    EXPECT_EQ(second.StartTime, 90);
    EXPECT_EQ(second.EndTime, 110);
    EXPECT_EQ(scene.Length, 110);
}

TEST(ModelTiming, ButtonAddsAStopPointFifteenAfterItsStart) {
    TDemoFrame scene;
    NewObject(scene, TObjectKind::Button, 0, 0);
    EXPECT_EQ(scene.StopPoints, std::vector<std::int32_t>{15});
    NewObject(scene, TObjectKind::Button, 0, 0);
    EXPECT_EQ(scene.StopPoints, (std::vector<std::int32_t>{15, 25}));
}

TEST(ModelTiming, ButtonStopPointIsNotDuplicated) {
    TDemoFrame scene;
    AddStopPoint(scene, 15);
    NewObject(scene, TObjectKind::Button, 0, 0);
    EXPECT_EQ(scene.StopPoints, std::vector<std::int32_t>{15});
}

TEST(ModelTiming, DamagedTimesNearTheLimitDoNotWrap) {
    TDemoFrame scene;
    scene.Length = std::numeric_limits<std::int32_t>::max();
    NewObject(scene, TObjectKind::Note, 0, 0).StartTime = std::numeric_limits<std::int32_t>::max() - 5;
    TDemoObject& next = NewObject(scene, TObjectKind::Note, 0, 0);
    EXPECT_EQ(next.StartTime, 0);
    EXPECT_EQ(next.EndTime, 30);
}

// ---- defaults per kind ----

struct KindDefaults {
    TObjectKind kind;
    const char* text;
    std::int32_t width, height;
    std::int32_t round, margin, spacing, alignment, layout, option, style;
    bool shadow;
    TColor backColor, borderColor;
    std::int32_t fadeType, objectCenter;
};

constexpr TColor kYellowBalloon = 0x0002C5FD;
constexpr TColor kOrange = 0x0000C0FF;

const KindDefaults kDefaults[] = {
    // kind                      text                 w    h    rnd mrg sp al ly op st shadow back        border   fade ctr
    {TObjectKind::RoundBalloon, "New RoundBalloon", 121, 97, 66, 20, 0, 1, 1, 10, 0, true, kYellowBalloon, clBlack, 1, 10},
    {TObjectKind::Note, "New Note", 161, 145, 3, 20, 0, 0, 1, 2, 0, true, 0x00FF3E00, clBlack, 1, 1},
    {TObjectKind::Shape, "", 105, 105, 0, 20, 0, 0, 1, 0, 0, true, clYellow, kOrange, 1, 1},
    {TObjectKind::Image, "", 105, 105, 0, 20, 20, 0, 1, 0, 0, true, clWhite, clBlack, 0, 1},
    {TObjectKind::Label, "New Label", 105, 25, 0, 20, 20, 0, 1, 0, 0, true, clWhite, clBlack, 1, 1},
    {TObjectKind::Text, "New Text", 105, 105, 0, 20, 20, 0, 1, 0, 0, true, clWhite, clBlack, 0, 1},
    {TObjectKind::InputText, "New InputText", 105, 25, 0, 10, 2, 0, 0, 0, 0, true, clWhite, clBlack, 0, 1},
    {TObjectKind::Button, "New Button", 105, 33, 5, 20, 20, 1, 1, 0, 0, true, kOrange, clBlack, 1, 1},
    {TObjectKind::Cursor, "", 105, 105, 0, 20, 20, 0, 1, 0, 2, true, clWhite, clBlack, 0, 1},
    {TObjectKind::Audio, "", 105, 105, 0, 20, 20, 0, 1, 0, 0, true, clWhite, clBlack, 0, 1},
    {TObjectKind::Balloon, "New Balloon", 121, 73, 17, 12, 0, 1, 1, 8, 0, false, kYellowBalloon, clBlack, 1, 10},
};

class ModelKindDefaults : public testing::TestWithParam<KindDefaults> {};

TEST_P(ModelKindDefaults, KindSpecificValues) {
    const KindDefaults& d = GetParam();
    TDemoFrame scene;
    TDemoObject& o = NewObject(scene, d.kind, 12, 34);
    EXPECT_EQ(o.Kind, d.kind);
    EXPECT_EQ(o.Text, d.text);
    EXPECT_EQ(o.Left, 12);
    EXPECT_EQ(o.Top, 34);
    EXPECT_EQ(o.Width, d.width);
    EXPECT_EQ(o.Height, d.height);
    EXPECT_EQ(o.Round, d.round);
    EXPECT_EQ(o.Margin, d.margin);
    EXPECT_EQ(o.Spacing, d.spacing);
    EXPECT_EQ(o.Alignment, d.alignment);
    EXPECT_EQ(o.Layout, d.layout);
    EXPECT_EQ(o.Option, d.option);
    EXPECT_EQ(o.Style, d.style);
    EXPECT_EQ(o.Shadow, d.shadow);
    EXPECT_EQ(o.BackColor, d.backColor);
    EXPECT_EQ(o.BorderColor, d.borderColor);
    EXPECT_EQ(o.Animation.Fade.AnimationType, d.fadeType);
    EXPECT_EQ(o.Animation.Fade.InFromValue, 0);
    EXPECT_EQ(o.Animation.Fade.OutToValue, 0);
    EXPECT_EQ(o.Animation.ObjectCenter, d.objectCenter);
    EXPECT_TRUE(o.Picture.empty());
    EXPECT_TRUE(o.AudioData.empty());
    EXPECT_EQ(o.AudioType, "");
}

TEST_P(ModelKindDefaults, CommonValuesThatNoKindChanges) {
    TDemoFrame scene;
    const TDemoObject& o = NewObject(scene, GetParam().kind, 0, 0);
    EXPECT_FALSE(o.Flat);
    EXPECT_EQ(o.GraphicPlacement, 1);
    EXPECT_FALSE(o.HorzMirror);
    EXPECT_FALSE(o.VertMirror);
    EXPECT_EQ(o.Alpha, 100);
    EXPECT_EQ(o.TextNoise, 0);
    EXPECT_EQ(o.TextGradientStyle, 0);
    EXPECT_EQ(o.TextGradientColor, clWhite);
    EXPECT_EQ(o.TextShadowColor, clBlack);
    EXPECT_EQ(o.TextShadowYOff, 2);
    EXPECT_TRUE(o.BitmapTransparent);
    EXPECT_EQ(o.BitmapTransparentMode, 0);
    EXPECT_EQ(o.BitmapTransparentColor, 0x00FF00FFu);
    EXPECT_EQ(o.Animation.Angle.InFromValue, 180);
    EXPECT_EQ(o.Animation.Angle.OutToValue, 180);
    EXPECT_EQ(o.Animation.Width.InSteps, 8);
    EXPECT_EQ(o.Animation.Width.OutSteps, 8);
    EXPECT_TRUE(o.Animation.StopWithScene);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ModelKindDefaults, testing::ValuesIn(kDefaults),
                         [](const auto& info) { return std::string(ObjectKindName(info.param.kind)); });

TEST(ModelKindDefaultsDetail, NoteAndBalloonFonts) {
    TDemoFrame scene;
    const TObjectFont& note = NewObject(scene, TObjectKind::Note, 0, 0).Font;
    EXPECT_EQ(note.Name, "Arial");
    EXPECT_EQ(note.Height, -13);
    EXPECT_EQ(note.Size(), 10);
    EXPECT_TRUE(note.Bold);
    EXPECT_EQ(note.Color, clWhite);
    EXPECT_TRUE(NewObject(scene, TObjectKind::Note, 0, 0).TextShadow);

    const TObjectFont& balloon = NewObject(scene, TObjectKind::Balloon, 0, 0).Font;
    EXPECT_EQ(balloon.Height, -12);
    EXPECT_EQ(balloon.Size(), 9);
    EXPECT_TRUE(balloon.Bold);
    EXPECT_EQ(balloon.Color, clBlack);
    EXPECT_EQ(NewObject(scene, TObjectKind::RoundBalloon, 0, 0).Font, balloon);
}

TEST(ModelKindDefaultsDetail, ButtonOffsetsFontAndAction) {
    TDemoFrame scene;
    const TDemoObject& button = NewObject(scene, TObjectKind::Button, 0, 0);
    EXPECT_EQ(button.*slot::MouseOverRedOff, 10);
    EXPECT_EQ(button.*slot::MouseOverGreenOff, 10);
    EXPECT_EQ(button.*slot::MouseOverBlueOff, 10);
    EXPECT_EQ(button.MouseDownRedOff, -10);
    EXPECT_EQ(button.*slot::MouseDownGreenOff, -10);
    EXPECT_EQ(button.*slot::MouseDownBlueOff, -10);
    EXPECT_EQ(button.BorderWidth, 1);
    EXPECT_TRUE(button.Font.Bold);
    EXPECT_EQ(button.Command.Action, static_cast<std::uint8_t>(TCommandAction::Play));
    EXPECT_EQ(button.Command.Param, "");

    const TDemoObject& label = NewObject(scene, TObjectKind::Label, 0, 0);
    EXPECT_FALSE(label.Font.Bold);
    EXPECT_EQ(label.MouseDownRedOff, 70);
    EXPECT_EQ(label.TextShadowBlur, 80);
    EXPECT_EQ(label.Command.Action, 0);
}

TEST(ModelKindDefaultsDetail, InputTextTypesFromTheFirstCharacter) {
    TDemoFrame scene;
    const TDemoObject& input = NewObject(scene, TObjectKind::InputText, 0, 0);
    EXPECT_EQ(input.*slot::InputFrom, 1);
    EXPECT_EQ(input.*slot::InputDelay, 10);
    EXPECT_EQ(input.*slot::CharDelay, 2);
}

TEST(ModelFont, SizeAndHeightConvertAtNinetySixDotsPerInch) {
    EXPECT_EQ(FontSizeFromHeight(-13), 10);
    EXPECT_EQ(FontSizeFromHeight(-12), 9);
    EXPECT_EQ(FontSizeFromHeight(-11), 8);
    EXPECT_EQ(FontHeightFromSize(10), -13);
    EXPECT_EQ(FontHeightFromSize(8), -11);
    EXPECT_EQ(FontHeightFromSize(12), -16);
    // A positive height is a cell height; its size comes out negative, as the platform says.
    EXPECT_EQ(FontSizeFromHeight(16), -12);
    // Absurd values saturate instead of overflowing.
    EXPECT_EQ(FontHeightFromSize(std::numeric_limits<std::int32_t>::min()), std::numeric_limits<std::int32_t>::max());
    EXPECT_LT(FontHeightFromSize(std::numeric_limits<std::int32_t>::max()), 0);
}

TEST(ModelFont, StyleBitsFollowTheStoredLayout) {
    TObjectFont font;
    font.SetStyleBits(fsBold | fsStrikeOut);
    EXPECT_TRUE(font.Bold);
    EXPECT_FALSE(font.Italic);
    EXPECT_FALSE(font.Underline);
    EXPECT_TRUE(font.StrikeOut);
    EXPECT_EQ(font.StyleBits(), 0x09);
    font.SetStyleBits(0xF6); // unknown high bits are dropped
    EXPECT_EQ(font.StyleBits(), fsItalic | fsUnderline);
}

} // namespace
} // namespace vantora
