// Scenes made from the capture tool's shots: the balloon's arrow by the click position, the
// cursors, rings, sounds and balloons with their times, and the balloon tip on the click.

#include "model/screen_shot_scenes.h"

#include "model/animation_motion.h"
#include "model/enum_names.h"
#include "model/object_defaults.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

int arrow(const char* name) { return *CodeOfName(names::BalloonArrow, name); }

struct ArrowCase {
    int x, y;
    const char* expected;
};

// A 640 x 480 movie: the margins are 50 pixels wide, the middle lines are x = 320 and y = 240.
TEST(ClickBalloonArrow, PointsFromTheSideThatKeepsTheBalloonOnTheMovie) {
    const ArrowCase cases[] = {
        {0, 0, "LeftUp"},         {49, 239, "LeftUp"},       {49, 240, "LeftDown"},   {10, 479, "LeftDown"},
        {591, 0, "RightUp"},      {639, 239, "RightUp"},     {591, 240, "RightDown"}, {700, 470, "RightDown"},
        {50, 0, "TopLeft"},       {319, 49, "TopLeft"},      {320, 49, "TopRight"},   {590, 10, "TopRight"},
        {50, 50, "TopLeft"},      {319, 240, "TopLeft"},     {320, 240, "TopRight"},  {590, 100, "TopRight"},
        {100, 241, "BottomLeft"}, {319, 479, "BottomLeft"},  {320, 241, "BottomRight"}, {590, 431, "BottomRight"},
    };
    for (const ArrowCase& c : cases)
        EXPECT_EQ(ClickBalloonArrow(c.x, c.y, 640, 480), arrow(c.expected)) << c.x << "," << c.y;
    // On a movie lower than two margins the top margin wins, then the bottom half.
    EXPECT_EQ(ClickBalloonArrow(150, 49, 400, 60), arrow("TopLeft"));
    EXPECT_EQ(ClickBalloonArrow(150, 50, 400, 60), arrow("BottomLeft"));
    EXPECT_EQ(ClickBalloonArrow(250, 50, 400, 60), arrow("BottomRight"));
}

TScreenShot shotWithClicks(std::vector<std::pair<int, int>> clicks, std::uint8_t marker) {
    TScreenShot shot;
    shot.Jpeg = {0xFF, 0xD8, 0xFF, 0xE0, marker};
    for (auto [x, y] : clicks) {
        TShotEvent event;
        event.Value = 1;
        event.X = x;
        event.Y = y;
        shot.Events.push_back(event);
    }
    return shot;
}

const TDemoObject* nth(const TDemoFrame& scene, TObjectKind kind, std::size_t n) {
    for (const auto& object : scene.Objects)
        if (object->Kind == kind && n-- == 0)
            return object.get();
    return nullptr;
}

std::size_t countOf(const TDemoFrame& scene, TObjectKind kind) {
    std::size_t count = 0;
    for (const auto& object : scene.Objects)
        count += object->Kind == kind;
    return count;
}

class ScreenShotScenes : public ::testing::Test {
protected:
    void SetUp() override {
        demo.Width = 640;
        demo.Height = 480;
        NewScene(demo); // "Scene1" is taken
    }
    TVantora demo;
    const std::vector<std::uint8_t> clickSound{'R', 'I', 'F', 'F', 1, 2, 3};
};

TEST_F(ScreenShotScenes, OneScenePerShotWithTheShotAsBackgroundAndFreshNames) {
    const std::vector<TScreenShot> shots = {shotWithClicks({{100, 100}}, 1), shotWithClicks({{200, 300}}, 2),
                                            shotWithClicks({}, 3)};
    const auto scenes = BuildScreenShotScenes(demo, shots, clickSound);
    ASSERT_EQ(scenes.size(), 3u);
    EXPECT_EQ(demo.Scenes.size(), 1u); // the demo itself is left alone
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        EXPECT_EQ(scenes[i]->Name, "Scene" + std::to_string(i + 2));
        EXPECT_EQ(scenes[i]->BackImage, Picture(PictureFormat::Jpeg, shots[i].Jpeg));
        EXPECT_EQ(scenes[i]->Demo, nullptr);
    }
    EXPECT_TRUE(BuildScreenShotScenes(demo, {}, clickSound).empty());
}

// The first scene starts with the cursor in the middle; it moves to the shot's click after the
// 30 units every new scene's cursors wait.
TEST_F(ScreenShotScenes, TheFirstSceneCursorStartsInTheMiddleAndMovesToTheClick) {
    const auto scenes = BuildScreenShotScenes(demo, std::vector{shotWithClicks({{100, 90}}, 1)}, clickSound);
    ASSERT_EQ(scenes.size(), 1u);
    const TDemoFrame& scene = *scenes[0];
    ASSERT_EQ(scene.Objects.size(), 2u);
    const TDemoObject* middle = nth(scene, TObjectKind::Cursor, 0);
    const TDemoObject* toClick = nth(scene, TObjectKind::Cursor, 1);
    ASSERT_TRUE(middle && toClick);
    EXPECT_EQ(std::pair(middle->Left, middle->Top), std::pair(320, 240));
    EXPECT_EQ(std::pair(middle->StartTime, middle->EndTime), std::pair(30, 50));
    EXPECT_EQ(std::pair(toClick->Left, toClick->Top), std::pair(93, 86));
    EXPECT_EQ(std::pair(toClick->StartTime, toClick->EndTime), std::pair(50, 70));
    EXPECT_EQ(scene.Length, 70); // as long as its last object
}

// The click of shot 2 is acted out on scene 1: the cursor goes there, the ring and the click
// sound come just before it arrives, the balloon once it is there.
TEST_F(ScreenShotScenes, TheNextShotsClickIsShownOnThePreviousScene) {
    const auto scenes = BuildScreenShotScenes(
        demo, std::vector{shotWithClicks({{100, 90}}, 1), shotWithClicks({{400, 300}}, 2)}, clickSound);
    ASSERT_EQ(scenes.size(), 2u);
    const TDemoFrame& first = *scenes[0];
    ASSERT_EQ(countOf(first, TObjectKind::Cursor), 3u);
    const TDemoObject* cursor = nth(first, TObjectKind::Cursor, 2);
    EXPECT_EQ(std::pair(cursor->Left, cursor->Top), std::pair(393, 296));
    EXPECT_EQ(std::pair(cursor->StartTime, cursor->EndTime), std::pair(80, 85)); // 10 after the last cursor ended

    const TDemoObject* ring = nth(first, TObjectKind::Shape, 0);
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(std::tuple(ring->Left, ring->Top, ring->Width, ring->Height), std::tuple(384, 284, 32, 32));
    EXPECT_EQ(ring->Style, *CodeOfName(names::ShapeKind, "Ellipse"));
    EXPECT_EQ(ring->Option, *CodeOfName(names::FillStyle, "Clear"));
    EXPECT_EQ(ring->BorderWidth, 5);
    EXPECT_EQ(std::pair(ring->StartTime, ring->EndTime), std::pair(70, 80));
    const TAnimationChannel scale{1, 0, 5, 0, 0, 5, 0};
    EXPECT_EQ(ring->Animation.Width, scale);
    EXPECT_EQ(ring->Animation.Height, scale);
    // The other channels keep a new shape's settings.
    const TDemoObject fresh = MakeDefaultObject(TObjectKind::Shape, 0, 0);
    EXPECT_EQ(ring->Animation.Fade, fresh.Animation.Fade);
    EXPECT_EQ(ring->Animation.LocationX, fresh.Animation.LocationX);

    const TDemoObject* sound = nth(first, TObjectKind::Audio, 0);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(std::pair(sound->Left, sound->Top), std::pair(0, 0));
    EXPECT_EQ(std::pair(sound->StartTime, sound->EndTime), std::pair(73, 80));
    EXPECT_EQ(sound->AudioType, "WAV");
    EXPECT_EQ(sound->AudioData, clickSound);

    const TDemoObject* balloon = nth(first, TObjectKind::Balloon, 0);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Text, kClickBalloonText);
    EXPECT_EQ(std::pair(balloon->Width, balloon->Height), std::pair(130, 60));
    EXPECT_EQ(balloon->Option, arrow("BottomRight"));
    EXPECT_EQ(std::pair(balloon->StartTime, balloon->EndTime), std::pair(85, 115)); // once the cursor is there
    EXPECT_EQ(first.Length, 115);

    // The second scene only has its own cursor, waiting 30 units before moving.
    const TDemoFrame& second = *scenes[1];
    ASSERT_EQ(second.Objects.size(), 1u);
    EXPECT_EQ(std::tuple(second.Objects[0]->Kind, second.Objects[0]->Left, second.Objects[0]->Top,
                         second.Objects[0]->StartTime),
              std::tuple(TObjectKind::Cursor, 393, 296, 30));
    EXPECT_EQ(second.Length, 50);
}

// Wherever the click is, the tip of the balloon's arrow is on it.
TEST_F(ScreenShotScenes, TheBalloonTipLiesOnTheClickPoint) {
    const std::pair<int, int> clicks[] = {{10, 10}, {10, 470}, {630, 10}, {630, 470}, {200, 20},
                                          {500, 20}, {200, 400}, {500, 400}, {200, 200}, {500, 200}};
    for (auto [x, y] : clicks) {
        const auto scenes =
            BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), shotWithClicks({{x, y}}, 2)}, clickSound);
        const TDemoObject* balloon = nth(*scenes[0], TObjectKind::Balloon, 0);
        ASSERT_NE(balloon, nullptr);
        const OriginPoint tip = BalloonArrowPoint(balloon->Option, balloon->Width, balloon->Height);
        EXPECT_EQ(std::pair(balloon->Left + tip.x, balloon->Top + tip.y), std::pair(x, y)) << x << "," << y;
    }
    // One worked example: "LeftUp" has its tip 2 right of and 13 below the balloon's corner.
    const auto scenes =
        BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), shotWithClicks({{10, 10}}, 2)}, clickSound);
    const TDemoObject* balloon = nth(*scenes[0], TObjectKind::Balloon, 0);
    EXPECT_EQ(std::tuple(balloon->Option, balloon->Left, balloon->Top), std::tuple(arrow("LeftUp"), 8, -3));
}

TEST_F(ScreenShotScenes, EveryClickOfAShotIsActedOutInTurn) {
    const auto scenes = BuildScreenShotScenes(
        demo, std::vector{shotWithClicks({}, 1), shotWithClicks({{100, 100}, {300, 200}}, 2)}, clickSound);
    const TDemoFrame& first = *scenes[0];
    EXPECT_EQ(countOf(first, TObjectKind::Shape), 2u);
    EXPECT_EQ(countOf(first, TObjectKind::Balloon), 2u);
    EXPECT_EQ(countOf(first, TObjectKind::Audio), 2u);
    const TDemoObject* firstMove = nth(first, TObjectKind::Cursor, 1);
    const TDemoObject* secondMove = nth(first, TObjectKind::Cursor, 2);
    ASSERT_TRUE(firstMove && secondMove);
    EXPECT_EQ(firstMove->StartTime, 60); // the middle cursor ends at 50
    EXPECT_EQ(secondMove->StartTime, firstMove->EndTime + 10);
    EXPECT_EQ(countOf(*scenes[1], TObjectKind::Cursor), 2u);
    // Objects keep the editor's order: cursors, then sounds, last.
    EXPECT_EQ(first.Objects.back()->Kind, TObjectKind::Audio);
}

TEST_F(ScreenShotScenes, OtherEventsAreIgnoredAndSoundIsOptional) {
    TScreenShot typed = shotWithClicks({{100, 100}}, 2);
    typed.Events[0].Kind = 3;
    typed.Events[0].Text = "keys";
    const auto ignored = BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), typed}, clickSound);
    EXPECT_EQ(ignored[0]->Objects.size(), 1u); // the middle cursor only
    EXPECT_EQ(ignored[1]->Objects.size(), 0u);

    const auto silent =
        BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), shotWithClicks({{5, 5}}, 2)}, {});
    const TDemoObject* sound = nth(*silent[0], TObjectKind::Audio, 0);
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->AudioType.empty());
    EXPECT_TRUE(sound->AudioData.empty());
}

TShotEvent typedText(std::string text) {
    TShotEvent event;
    event.Kind = static_cast<std::int32_t>(TShotEventKind::TypedText);
    event.Text = std::move(text);
    return event;
}

// Text typed after a click is typed by an InputText at the click's spot on the scene the click
// was made on, once the cursor is there; typing with no click before it in the shot has no spot.
TEST_F(ScreenShotScenes, TypedTextIsTypedAtTheLastClickAfterIt) {
    TScreenShot second = shotWithClicks({{100, 90}, {300, 200}}, 2);
    second.Events.push_back(typedText("Hello"));
    TScreenShot third = shotWithClicks({}, 3);
    third.Events.push_back(typedText("no click before"));
    const auto scenes = BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), second, third}, clickSound);
    ASSERT_EQ(countOf(*scenes[0], TObjectKind::InputText), 1u);
    const TDemoObject& input = *nth(*scenes[0], TObjectKind::InputText, 0);
    EXPECT_EQ(input.Text, "Hello");
    EXPECT_EQ(input.Left, 300);
    EXPECT_EQ(input.Top + input.Height / 2, 200);
    EXPECT_GE(input.Width, 5 * 9); // room for every character
    EXPECT_EQ(input.Angle, 1);     // InputFrom: the whole text is typed
    EXPECT_EQ(input.Margin, 0);    // InputDelay
    EXPECT_EQ(input.Spacing, kTypedCharDelay);
    const TDemoObject& clickingCursor = *nth(*scenes[0], TObjectKind::Cursor, 2);
    EXPECT_GE(input.StartTime, clickingCursor.EndTime); // once the cursor has clicked
    EXPECT_EQ(input.EndTime, input.StartTime + 5 * kTypedCharDelay + kTypedTextStay);
    EXPECT_GE(scenes[0]->Length, input.EndTime);
    EXPECT_EQ(countOf(*scenes[1], TObjectKind::InputText), 0u);
    EXPECT_EQ(countOf(*scenes[2], TObjectKind::InputText), 0u);
}

TEST_F(ScreenShotScenes, TypedTextFromADamagedFileIsCutShort) {
    TScreenShot second = shotWithClicks({{630, 10}}, 2);
    second.Events.push_back(typedText(std::string(60000, 'x')));
    const auto scenes = BuildScreenShotScenes(demo, std::vector{shotWithClicks({}, 1), second}, clickSound);
    const TDemoObject* input = nth(*scenes[0], TObjectKind::InputText, 0);
    ASSERT_NE(input, nullptr);
    EXPECT_LT(input->Text.size(), 60000u);
    EXPECT_LE(input->Width, 640); // no wider than the movie needs
}

// The first click tells whether the shots are of the whole screen, and how large they are.
TEST(FullScreenShotSize, TheFirstClickOfAWholeScreenShotGivesTheSize) {
    const auto shotsWith = [](std::int32_t mark, std::int32_t width, std::int32_t height) {
        TScreenShot first, second;
        TShotEvent click;
        click.Extra = {width, height, 0, 0, mark, 0};
        second.Events = {click};
        return std::vector{first, second};
    };
    const auto size = FullScreenShotSize(shotsWith(kFullScreenMark, 1600, 1000));
    ASSERT_TRUE(size);
    EXPECT_EQ(std::pair(size->width, size->height), std::pair(1600, 1000));
    EXPECT_FALSE(FullScreenShotSize(shotsWith(0, 1600, 1000)));               // of the frame
    EXPECT_FALSE(FullScreenShotSize(shotsWith(kFullScreenMark, 0, 1000)));    // damaged sizes
    EXPECT_FALSE(FullScreenShotSize(shotsWith(kFullScreenMark, 1600, 10000)));
    EXPECT_FALSE(FullScreenShotSize(std::vector<TScreenShot>(2)));           // no clicks at all
}

// Positions from a damaged file near the integer limits are clamped instead of overflowing.
TEST_F(ScreenShotScenes, ExtremeClickPositionsStayInRange) {
    const auto scenes = BuildScreenShotScenes(
        demo, std::vector{shotWithClicks({}, 1), shotWithClicks({{INT32_MIN, INT32_MAX}}, 2)}, clickSound);
    const TDemoObject* cursor = nth(*scenes[1], TObjectKind::Cursor, 0);
    ASSERT_NE(cursor, nullptr);
    EXPECT_LT(cursor->Left, 0);
    EXPECT_GT(cursor->Top, 0);
    EXPECT_EQ(nth(*scenes[0], TObjectKind::Balloon, 0)->Option, arrow("LeftDown"));
}

} // namespace
} // namespace vantora
