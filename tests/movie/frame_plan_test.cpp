// The frame plan read back through the independent parser: header, frame counts, the frames in
// which objects are defined, placed, re-placed and removed, depths, sprites and stop actions.

#include "movie_test_support.h"

namespace vantora::test {
namespace {

class FramePlan : public MovieTest {};

TEST_F(FramePlan, HeaderAndFrameCountFollowTheFrameRate) {
    for (int factor : {1, 2, 4}) {
        TVantora& demo = demo_;
        demo.Scenes.clear();
        demo.FrameRateFactor = factor;
        demo.Width = 320;
        demo.Height = 200;
        AddScene(5);
        AddScene(3);
        const SwfSummary movie = Build();
        EXPECT_EQ(movie.signature, "CWS");
        EXPECT_EQ(movie.version, 6);
        EXPECT_EQ(movie.frameCount, 8 * factor) << factor;
        EXPECT_EQ(movie.frameRate, 10.0 * factor);
        EXPECT_EQ(movie.xMax, 320 * 20);
        EXPECT_EQ(movie.yMax, 200 * 20);
        EXPECT_EQ(movie.find(9), nullptr) << "no background-colour tag";
    }
}

TEST_F(FramePlan, DemoBackgroundIsPlacedOnceAtDepthZero) {
    demo_.BackColor = 0x00336699;
    AddScene(2);
    const SwfSummary movie = Build();
    ASSERT_GE(movie.tags.size(), 2u);
    EXPECT_EQ(movie.tags[0].code, 22);
    EXPECT_EQ(movie.tags[0].text("fill0"), "solid:153,102,51,255");
    EXPECT_EQ(movie.tags[0].text("bounds"), "0,12780,0,9580");
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 0), (std::vector<int>{0}));
    EXPECT_TRUE(FramesAt(movie, kRemoveObject2, 0).empty());
}

TEST_F(FramePlan, SceneBackgroundIsReplacedInEveryFrameAndRemovedAfterTheScene) {
    demo_.FrameRateFactor = 1;
    AddScene(3);
    AddScene(2);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 1), Range(0, 5));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 1), Range(1, 6)) << "scene 1's background leaves in scene 2's first frame";
    const SwfTag* first = PlacementAt(movie, 1, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(MatrixOf(*first), (std::vector<long>{65536, 0, 0, 65536, 320 * 20, 240 * 20}));
}

TEST_F(FramePlan, ObjectIsDefinedPlacedReplacedAndRemovedByItsTimes) {
    TDemoFrame& scene = AddScene(6);
    TDemoObject& shape = AddObject(scene, TObjectKind::Shape, 10, 10, 40, 20, 1, 4);
    shape.Animation.ObjectCenter = 2;
    const SwfSummary movie = Build(); // F = 2: s = 2, e = 8
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), Range(2, 7));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), Range(3, 8));
    const SwfTag* placed = PlacementAt(movie, 2, 2);
    ASSERT_NE(placed, nullptr);
    int definedIn = -1;
    for (const SwfTag& tag : movie.tags)
        if (tag.integer("id") == placed->integer("characterId") && tag.code != kPlaceObject2)
            definedIn = tag.frame;
    EXPECT_EQ(definedIn, 2);
    for (int f = 3; f <= 6; ++f)
        EXPECT_EQ(PlacementAt(movie, 2, f)->integer("characterId"), placed->integer("characterId")) << "same shape";
}

TEST_F(FramePlan, StartAtZeroAndEndAtLengthUseTheFirstAndLastFrames) {
    TDemoFrame& scene = AddScene(5);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 0, 5);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2).front(), 0);
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2).back(), 9);
    EXPECT_EQ(movie.frameCount, 10);
}

TEST_F(FramePlan, OneUnitObjectAtTenFramesIsSeenOnceAndThenRemoved) {
    demo_.FrameRateFactor = 1;
    TDemoFrame& scene = AddScene(6);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 2, 3);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{2}));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), (std::vector<int>{3}));
}

TEST_F(FramePlan, ObjectOutlivingItsSceneLeavesWithTheScene) {
    demo_.FrameRateFactor = 1;
    TDemoFrame& first = AddScene(4);
    AddObject(first, TObjectKind::Shape, 0, 0, 10, 10, 1, 9);
    TDemoFrame& second = AddScene(3);
    AddObject(second, TObjectKind::Shape, 0, 0, 10, 10, 0, 3);
    const SwfSummary movie = Build();
    // Scene 1: placed 1..3, removed after its last frame (in frame 4), before scene 2 places
    // its own object at the same depth.
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), (std::vector<int>{2, 3, 4, 5, 6}));
}

TEST_F(FramePlan, ObjectEndingBeforeItStartsIsLeftOut) {
    TDemoFrame& scene = AddScene(6);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 4, 4);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 4, 2);
    const SwfSummary movie = Build();
    EXPECT_TRUE(FramesAt(movie, kPlaceObject2, 2).empty());
    EXPECT_TRUE(FramesAt(movie, kPlaceObject2, 3).empty());
}

TEST_F(FramePlan, DepthsFollowListOrderAndAreReusedByEveryScene) {
    demo_.FrameRateFactor = 1;
    for (int s = 0; s < 2; ++s) {
        TDemoFrame& scene = AddScene(3);
        AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 0, 3);
        AddObject(scene, TObjectKind::Shape, 5, 5, 10, 10, 0, 3);
    }
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 3), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(movie.all(kPlaceObject2).size(), 1u + 6u + 8u);
}

TEST_F(FramePlan, SpriteObjectAnimatesInsideItsOwnSprite) {
    demo_.FrameRateFactor = 1;
    TDemoFrame& scene = AddScene(6);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 0, 6); // direct, defined after the sprite
    TDemoObject& looping = AddObject(scene, TObjectKind::Shape, 20, 20, 10, 10, 1, 5);
    looping.Animation.StopWithScene = false;
    looping.Animation.Fade = {2, 0, 2, 0, 0, 2, 0};
    const SwfSummary movie = Build();

    const SwfTag* sprite = movie.find(kDefineSprite);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->integer("id"), 2) << "sprites come before the scene's other characters";
    EXPECT_EQ(sprite->integer("frameCount"), 3); // frames 1, 2, 3; removed in frame 4
    EXPECT_EQ(sprite->codes(), (std::vector<int>{26, 1, 28, 26, 1, 28, 26, 1, 0}));
    EXPECT_EQ(sprite->children[0].integer("depth"), 0);
    EXPECT_EQ(CxformOf(sprite->children[0]).back(), -255);

    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 3), (std::vector<int>{1}));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 3), (std::vector<int>{4}));
    const SwfTag* placed = PlacementAt(movie, 3, 1);
    EXPECT_EQ(placed->integer("characterId"), sprite->integer("id"));
    EXPECT_FALSE(placed->has("matrix"));
    EXPECT_FALSE(placed->has("cxform"));
}

TEST_F(FramePlan, StopPointsStopTheirFramesOnce) {
    TDemoFrame& scene = AddScene(5);
    scene.StopPoints = {0, 3, 3, 9};
    const SwfSummary movie = Build();
    const auto actions = movie.all(kDoAction);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0]->frame, 0);
    EXPECT_EQ(actions[1]->frame, 6);
    EXPECT_EQ(actions[0]->text("actions"), "0700");
}

TEST_F(FramePlan, ButtonsGoOnTheMainTimelineBesideTheirUnusedSprite) {
    demo_.FrameRateFactor = 1;
    TDemoFrame& scene = AddScene(4);
    AddObject(scene, TObjectKind::Label, 0, 0, 50, 20, 0, 4);
    TDemoObject& button = AddObject(scene, TObjectKind::Button, 0, 30, 50, 20, 0, 4);
    button.Animation.StopWithScene = false;
    AddObject(scene, TObjectKind::Shape, 0, 60, 50, 20, 0, 4);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), Range(0, 3));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 3), Range(0, 3));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 4), Range(0, 3));
    const SwfTag* unused = movie.find(kDefineSprite);
    ASSERT_NE(unused, nullptr) << "the button's sprite is defined all the same";
    for (const SwfTag& child : unused->children)
        EXPECT_NE(child.code, kPlaceObject2);
    for (const SwfTag* placement : movie.all(kPlaceObject2))
        EXPECT_NE(placement->integer("characterId"), unused->integer("id"));
}

TEST_F(FramePlan, PreviewSceneHoldsOnlyTheChosenScene) {
    TDemoFrame& first = AddScene(3);
    AddObject(first, TObjectKind::Shape, 0, 0, 10, 10, 0, 3);
    AddScene(7);
    const auto file = home_.path() / std::string(kPreviewMovieName);
    const MovieBuildResult result = BuildAndSaveOneScene(demo_, 1);
    ASSERT_TRUE(result.ok) << result.message;
    const SwfSummary movie = checkSwf(file);
    EXPECT_EQ(movie.frameCount, 14);
    EXPECT_TRUE(FramesAt(movie, kPlaceObject2, 2).empty());
}

} // namespace
} // namespace vantora::test
