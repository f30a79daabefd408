// How the capture tool files its clicks, and what the editor makes of the result: every click's
// cursor, ring and balloon end up on the scene whose background is the screen the click landed on.

#include "shot_sequence.h"

#include "model/animation_motion.h"
#include "model/screen_shot_scenes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vantora::grabbit {
namespace {

// A stand-in picture that says which screen it shows.
TScreenShot screen(std::uint8_t number) { return TScreenShot{{0xFF, 0xD8, number}, {}}; }

TShotEvent clickAt(int x, int y) {
    TShotEvent click;
    click.Value = 1;
    click.X = x;
    click.Y = y;
    return click;
}

std::vector<std::pair<int, int>> clicksOf(const TScreenShot& shot) {
    std::vector<std::pair<int, int>> clicks;
    for (const TShotEvent& event : shot.Events)
        clicks.emplace_back(event.X, event.Y);
    return clicks;
}

TEST(ShotSequence, EachClickTravelsWithTheShotTakenAfterIt) {
    ShotSequence sequence;
    sequence.clicked(screen(1), clickAt(10, 20));
    sequence.clicked(screen(2), clickAt(30, 40));
    ASSERT_TRUE(sequence.needsClosingShot());
    sequence.close(screen(3));
    EXPECT_FALSE(sequence.needsClosingShot());
    const std::vector<TScreenShot>& shots = sequence.shots();
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_EQ(shots[0].Jpeg, screen(1).Jpeg);
    EXPECT_TRUE(shots[0].Events.empty()); // the first screen was clicked on, nothing led to it
    EXPECT_EQ(clicksOf(shots[1]), (std::vector<std::pair<int, int>>{{10, 20}}));
    EXPECT_EQ(clicksOf(shots[2]), (std::vector<std::pair<int, int>>{{30, 40}}));
    EXPECT_EQ(shots[2].Jpeg, screen(3).Jpeg);
}

TEST(ShotSequence, EventsAPictureBroughtAlongAreReplaced) {
    ShotSequence sequence;
    TScreenShot stale = screen(1);
    stale.Events.push_back(clickAt(99, 99));
    sequence.clicked(stale, clickAt(1, 2));
    sequence.close(screen(2));
    ASSERT_EQ(sequence.count(), 2);
    EXPECT_TRUE(sequence.shots()[0].Events.empty());
    EXPECT_EQ(clicksOf(sequence.shots()[1]), (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST(ShotSequence, ClosingWithoutClicksOrWithoutAPictureAddsNothing) {
    ShotSequence none;
    EXPECT_FALSE(none.needsClosingShot());
    none.close(screen(1));
    EXPECT_EQ(none.count(), 0); // no file at all: the editor reports a cancelled capture

    ShotSequence unreadable;
    unreadable.clicked(screen(1), clickAt(5, 5));
    unreadable.close(std::nullopt);
    ASSERT_EQ(unreadable.count(), 1);
    EXPECT_TRUE(unreadable.shots()[0].Events.empty());
    EXPECT_FALSE(unreadable.needsClosingShot());
}

TEST(ShotSequence, ASinglePictureKeepsItsOwnClick) {
    ShotSequence sequence;
    sequence.single(screen(7), clickAt(3, 4));
    EXPECT_FALSE(sequence.needsClosingShot());
    ASSERT_EQ(sequence.count(), 1);
    EXPECT_EQ(clicksOf(sequence.shots()[0]), (std::vector<std::pair<int, int>>{{3, 4}}));
}

// Text typed after a click travels with that click, after it; typing before the first click has
// no spot and is dropped; typing after the last click reaches the closing shot.
TEST(ShotSequence, TypedTextFollowsTheClickBeforeIt) {
    ShotSequence sequence;
    sequence.typed("lost");
    sequence.clicked(screen(1), clickAt(10, 20));
    sequence.typed("Hel");
    sequence.typed("lo");
    sequence.typed("");
    sequence.clicked(screen(2), clickAt(30, 40));
    sequence.typed("end");
    sequence.close(screen(3));
    const auto& shots = sequence.shots();
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_TRUE(shots[0].Events.empty());
    ASSERT_EQ(shots[1].Events.size(), 2u);
    EXPECT_EQ(shots[1].Events[0].Kind, 0);
    EXPECT_EQ(shots[1].Events[1].Kind, static_cast<std::int32_t>(TShotEventKind::TypedText));
    EXPECT_EQ(shots[1].Events[1].Text, "Hello");
    EXPECT_EQ(std::pair(shots[1].Events[1].X, shots[1].Events[1].Y), std::pair(10, 20));
    ASSERT_EQ(shots[2].Events.size(), 2u);
    EXPECT_EQ(shots[2].Events[1].Text, "end");
}

// The scene whose background is `picture`.
const TDemoFrame* sceneShowing(const std::vector<std::unique_ptr<TDemoFrame>>& scenes, const TScreenShot& picture) {
    for (const auto& scene : scenes)
        if (scene->BackImage.bytes() == picture.Jpeg)
            return scene.get();
    return nullptr;
}

std::vector<const TDemoObject*> objectsOf(const TDemoFrame& scene, TObjectKind kind) {
    std::vector<const TDemoObject*> found;
    for (const auto& object : scene.Objects)
        if (object->Kind == kind)
            found.push_back(object.get());
    return found;
}

// Three screens, a click on each of the first two, then Finish: the clicks are acted out where
// they were made, and the scene after each click starts with the cursor resting on its spot.
TEST(ShotSequence, TheEditorShowsEachClickOnTheScreenItLandedOn) {
    const std::pair<int, int> first{120, 90}, second{500, 400};
    ShotSequence sequence;
    sequence.clicked(screen(1), clickAt(first.first, first.second));
    sequence.clicked(screen(2), clickAt(second.first, second.second));
    sequence.close(screen(3));

    TVantora demo;
    demo.Width = 640;
    demo.Height = 480;
    const auto scenes = BuildScreenShotScenes(demo, sequence.shots(), {});
    ASSERT_EQ(scenes.size(), 3u);
    const std::pair<TScreenShot, std::pair<int, int>> clickedOn[] = {{screen(1), first}, {screen(2), second}};
    for (const auto& [picture, click] : clickedOn) {
        const TDemoFrame* scene = sceneShowing(scenes, picture);
        ASSERT_NE(scene, nullptr);
        const auto balloons = objectsOf(*scene, TObjectKind::Balloon);
        const auto rings = objectsOf(*scene, TObjectKind::Shape);
        const auto cursors = objectsOf(*scene, TObjectKind::Cursor);
        ASSERT_EQ(balloons.size(), 1u);
        ASSERT_EQ(rings.size(), 1u);
        ASSERT_EQ(cursors.size(), 2u); // where it rests, then where it clicks
        const OriginPoint tip = BalloonArrowPoint(balloons[0]->Option, balloons[0]->Width, balloons[0]->Height);
        EXPECT_EQ(std::pair(balloons[0]->Left + tip.x, balloons[0]->Top + tip.y), click);
        EXPECT_EQ(std::pair(rings[0]->Left + rings[0]->Width / 2, rings[0]->Top + rings[0]->Height / 2), click);
        // The arrow cursor's hot spot sits 7 right of and 4 below its picture's corner.
        EXPECT_EQ(std::pair(cursors.back()->Left + 7, cursors.back()->Top + 4), click);
    }
    // The cursor of the second and third scene starts where the click before them left it.
    EXPECT_EQ(std::pair(objectsOf(*scenes[1], TObjectKind::Cursor)[0]->Left + 7,
                        objectsOf(*scenes[1], TObjectKind::Cursor)[0]->Top + 4),
              first);
    const auto lastCursors = objectsOf(*scenes[2], TObjectKind::Cursor);
    ASSERT_EQ(lastCursors.size(), 1u);
    EXPECT_EQ(std::pair(lastCursors[0]->Left + 7, lastCursors[0]->Top + 4), second);
    EXPECT_TRUE(objectsOf(*scenes[2], TObjectKind::Balloon).empty());
}

} // namespace
} // namespace vantora::grabbit
