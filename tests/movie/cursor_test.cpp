// The pointer in the movie: early pointer, movement toward the next Cursor object in list order,
// hand-over one frame before the end, and the last pointer staying until the scene ends.

#include "movie_test_support.h"

namespace vantora::test {
namespace {

class CursorPlan : public MovieTest {
protected:
    void SetUp() override { demo_.FrameRateFactor = 1; }
    TDemoObject& AddCursor(TDemoFrame& scene, int left, int top, int start, int end) {
        return AddObject(scene, TObjectKind::Cursor, left, top, 32, 32, start, end);
    }
    static std::pair<long, long> Translation(const SwfTag* placement) {
        EXPECT_NE(placement, nullptr);
        if (placement == nullptr)
            return {};
        const auto m = MatrixOf(*placement);
        return {m.at(4) / 20, m.at(5) / 20};
    }
};

TEST_F(CursorPlan, SingleCursorStandsStillAndStaysUntilTheSceneEnds) {
    TDemoFrame& scene = AddScene(10);
    AddCursor(scene, 100, 50, 2, 6);
    const SwfSummary movie = Build();
    // Shown early in frame 0 (it starts after frame 1), replaced at its start, moved (by nothing)
    // until e - 2, then left where it is until the removal after the scene.
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), (std::vector<int>{0, 2, 3, 4, 10}));
    for (int f : {0, 2, 3, 4})
        EXPECT_EQ(Translation(PlacementAt(movie, 2, f)), (std::pair<long, long>{116, 66})) << f;
}

TEST_F(CursorPlan, CursorStartingAtFrameZeroOrOneIsNotShownEarly) {
    TDemoFrame& scene = AddScene(6);
    AddCursor(scene, 0, 0, 1, 4);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2).front(), 1);
}

TEST_F(CursorPlan, PointerMovesTowardTheNextCursorAndWaitsThere) {
    TDemoFrame& scene = AddScene(12);
    AddCursor(scene, 0, 0, 0, 4);
    AddCursor(scene, 100, 50, 6, 10);
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Translation(PlacementAt(movie, 2, 0)), (std::pair<long, long>{16, 16}));
    EXPECT_EQ(Translation(PlacementAt(movie, 2, 1)), (std::pair<long, long>{16 + 25, 16 + 12}));
    EXPECT_EQ(Translation(PlacementAt(movie, 2, 2)), (std::pair<long, long>{16 + 50, 16 + 25}));
    // Hand-over at e - 1 = 3: A leaves, B's pointer waits at B's spot until B starts at 6.
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), (std::vector<int>{0, 1, 2, 3, 6, 12}));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 3), (std::vector<int>{3, 6, 7, 8}));
    EXPECT_EQ(Translation(PlacementAt(movie, 3, 3)), (std::pair<long, long>{116, 66}));
    EXPECT_EQ(PlacementAt(movie, 3, 3)->integer("characterId"), PlacementAt(movie, 3, 6)->integer("characterId"))
        << "the waiting pointer and the cursor share one shape";
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 3).back(), 12);
}

TEST_F(CursorPlan, PathFollowsListOrderNotStartTimes) {
    TDemoFrame& scene = AddScene(20);
    AddCursor(scene, 0, 0, 0, 4);
    AddCursor(scene, 200, 0, 10, 14); // the target of the first, though it starts later
    AddCursor(scene, 100, 0, 5, 9);
    const SwfSummary movie = Build();
    EXPECT_EQ(Translation(PlacementAt(movie, 2, 2)).first, 16 + 100);
    EXPECT_EQ(Translation(PlacementAt(movie, 3, 3)).first, 216) << "the hand-over shows the second cursor";
}

TEST_F(CursorPlan, CursorWithoutTimeIsPassedOverByThePointer) {
    TDemoFrame& scene = AddScene(14);
    AddCursor(scene, 0, 0, 0, 4);
    AddCursor(scene, 300, 300, 6, 6); // ends where it starts: never shown
    AddCursor(scene, 100, 0, 8, 12);
    const SwfSummary movie = Build();
    EXPECT_TRUE(FramesAt(movie, kPlaceObject2, 3).empty());
    EXPECT_EQ(Translation(PlacementAt(movie, 2, 2)).first, 16 + 50) << "moving toward the third cursor";
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 4).front(), 3) << "the third cursor waits from the hand-over on";
    EXPECT_EQ(Translation(PlacementAt(movie, 4, 3)), (std::pair<long, long>{116, 16}));
}

TEST_F(CursorPlan, FadeKeepsWorkingWhileTheLocationChannelsAreIgnored) {
    TDemoFrame& scene = AddScene(12);
    TDemoObject& a = AddCursor(scene, 0, 0, 0, 8);
    a.Animation.Fade = {1, 0, 2, 0, 0, 2, 0};
    a.Animation.LocationX = {1, 500, 2, 0, 500, 2, 0};
    AddCursor(scene, 80, 0, 8, 12);
    const SwfSummary movie = Build();
    const SwfTag* moving = PlacementAt(movie, 2, 1);
    ASSERT_NE(moving, nullptr);
    EXPECT_EQ(CxformOf(*moving).back(), -127);
    EXPECT_EQ(Translation(moving).first, 16 + 10);
}

TEST_F(CursorPlan, SpriteCursorGetsItsWaitingPointerInsideItsSprite) {
    TDemoFrame& scene = AddScene(12);
    AddCursor(scene, 0, 0, 0, 4);
    TDemoObject& b = AddCursor(scene, 100, 50, 6, 10);
    b.Animation.StopWithScene = false;
    const SwfSummary movie = Build();
    const SwfTag* sprite = movie.find(kDefineSprite);
    ASSERT_NE(sprite, nullptr);
    // The waiting frame, then the frames 6, 7, 8 of its life.
    EXPECT_EQ(sprite->integer("frameCount"), 4);
    EXPECT_EQ(sprite->codes(), (std::vector<int>{26, 1, 28, 26, 1, 28, 26, 1, 28, 26, 1, 0}));
    EXPECT_EQ(Translation(&sprite->children[0]), (std::pair<long, long>{116, 66}));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 3), (std::vector<int>{6}));
}

} // namespace
} // namespace vantora::test
