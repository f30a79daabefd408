// The rules of one drag step on bar times: moves that stop at 0 or behind the earlier cursor,
// start and end edges with the two-unit minimum, and the scene length asked for.

#include "editor/timeline/bar_drag_rules.h"

#include "../document_fixture.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantora::test {
namespace {

using namespace timeline;

using BarDragRules = DocumentFixture;

TEST_F(BarDragRules, TheEarlierCursorIsTheNearestCursorBeforeInListOrder) {
    TDemoObject& note = placeBar(TObjectKind::Note, 0, 30);
    TDemoObject& c1 = placeBar(TObjectKind::Cursor, 0, 20);
    TDemoObject& c2 = placeBar(TObjectKind::Cursor, 25, 45);
    TDemoObject& c3 = placeBar(TObjectKind::Cursor, 50, 70);
    EXPECT_EQ(EarlierCursorEnd(*scene, note), std::nullopt);
    EXPECT_EQ(EarlierCursorEnd(*scene, c1), std::nullopt);
    EXPECT_EQ(EarlierCursorEnd(*scene, c2), std::optional<std::int32_t>(20));
    EXPECT_EQ(EarlierCursorEnd(*scene, c3), std::optional<std::int32_t>(45)); // the nearest, not the first
    TDemoObject stranger;
    EXPECT_EQ(EarlierCursorEnd(*scene, stranger), std::nullopt);
}

TEST_F(BarDragRules, AMoveBeforeZeroStopsAtZeroKeepingTheDuration) {
    TDemoObject& note = placeBar(TObjectKind::Note, 3, 20);
    const auto changes = MovedBars(*scene, {&note}, -5);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second, (TObjectTiming{0, 17}));
    note.StartTime = 0;
    note.EndTime = 17;
    EXPECT_TRUE(MovedBars(*scene, {&note}, -1).empty()); // already at 0: nothing changes
    EXPECT_EQ(MovedBars(*scene, {&note}, 4).at(0).second, (TObjectTiming{4, 21}));
}

TEST_F(BarDragRules, OnlyTheMovedBarsChange) {
    TDemoObject& a = placeBar(TObjectKind::Note, 10, 20);
    placeBar(TObjectKind::Label, 10, 20);
    const auto changes = MovedBars(*scene, {&a}, 2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, &a);
}

TEST_F(BarDragRules, ACursorMovedBeforeTheEarlierCursorsEndIsPushedBackThere) {
    placeBar(TObjectKind::Cursor, 0, 20);
    TDemoObject& second = placeBar(TObjectKind::Cursor, 30, 50);
    EXPECT_EQ(MovedBars(*scene, {&second}, -8).at(0).second, (TObjectTiming{22, 42}));
    EXPECT_EQ(MovedBars(*scene, {&second}, -15).at(0).second, (TObjectTiming{20, 40}));
}

TEST_F(BarDragRules, TwoMovedCursorsUseTheEarlierOnesNewEnd) {
    TDemoObject& first = placeBar(TObjectKind::Cursor, 10, 20);
    TDemoObject& second = placeBar(TObjectKind::Cursor, 20, 30);
    const auto changes = MovedBars(*scene, {&second, &first}, -15);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], (BarTiming{&first, {0, 10}}));
    EXPECT_EQ(changes[1], (BarTiming{&second, {10, 20}})); // behind the moved first cursor
}

TEST_F(BarDragRules, TheStartEdgeStaysWithinZeroTheEndAndTheEarlierCursor) {
    TDemoObject& note = placeBar(TObjectKind::Note, 5, 20);
    EXPECT_EQ(MovedStart(*scene, note, -9)->second, (TObjectTiming{0, 20}));
    EXPECT_EQ(MovedStart(*scene, note, 40)->second, (TObjectTiming{18, 20}));
    EXPECT_EQ(MovedStart(*scene, note, 3)->second, (TObjectTiming{8, 20}));
    note.StartTime = 0;
    EXPECT_FALSE(MovedStart(*scene, note, -3));

    placeBar(TObjectKind::Cursor, 0, 20);
    TDemoObject& cursor = placeBar(TObjectKind::Cursor, 25, 45);
    EXPECT_EQ(MovedStart(*scene, cursor, -10)->second, (TObjectTiming{20, 45}));
}

TEST_F(BarDragRules, TheEndEdgeKeepsTwoUnits) {
    TDemoObject& note = placeBar(TObjectKind::Note, 5, 20);
    EXPECT_EQ(MovedEnd(note, -100)->second, (TObjectTiming{5, 7}));
    EXPECT_EQ(MovedEnd(note, 6)->second, (TObjectTiming{5, 26}));
    note.EndTime = 7;
    EXPECT_FALSE(MovedEnd(note, -1));
}

TEST_F(BarDragRules, TimesNearTheLimitsDoNotOverflow) {
    TDemoObject& note = placeBar(TObjectKind::Note, std::numeric_limits<std::int32_t>::max() - 3,
                            std::numeric_limits<std::int32_t>::max() - 1);
    const auto moved = MovedBars(*scene, {&note}, 10);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].second.EndTime, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(MovedEnd(note, 50)->second.EndTime, std::numeric_limits<std::int32_t>::max());
    scene->Length = std::numeric_limits<std::int32_t>::min() + 1;
    EXPECT_EQ(DraggedSceneLength(*scene, -5), std::numeric_limits<std::int32_t>::min());
    scene->Length = 40;
    EXPECT_EQ(DraggedSceneLength(*scene, -5), 35);
}

} // namespace
} // namespace vantora::test
