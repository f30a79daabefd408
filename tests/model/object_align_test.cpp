// The Align commands' arithmetic: the reference, each of the seven alignments, rounding to the
// grid at the edges, and only real changes reported.
#include "model/object_align.h"

#include "model/demo_object.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace vantora {
namespace {

struct Boxes {
    std::vector<std::unique_ptr<TDemoObject>> owned;
    std::vector<TDemoObject*> list;
    void add(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
        auto o = std::make_unique<TDemoObject>();
        o->Left = l;
        o->Top = t;
        o->Width = w;
        o->Height = h;
        list.push_back(o.get());
        owned.push_back(std::move(o));
    }
};

TEST(ObjectAlign, RoundsToTheNearestMultiple) {
    EXPECT_EQ(SnapToGrid(0, 8), 0);
    EXPECT_EQ(SnapToGrid(3, 8), 0);
    EXPECT_EQ(SnapToGrid(4, 8), 8); // halves go up
    EXPECT_EQ(SnapToGrid(12, 8), 16);
    EXPECT_EQ(SnapToGrid(-3, 8), 0);
    EXPECT_EQ(SnapToGrid(-5, 8), -8);
    EXPECT_EQ(SnapToGrid(7, 1), 7);
    EXPECT_EQ(SnapToGrid(7, 5), 5); // grids that do not divide 8
    EXPECT_EQ(SnapToGrid(8, 5), 10);
    EXPECT_EQ(SnapToGrid(7, 0), 7);   // no grid: nothing to round to
    EXPECT_EQ(SnapToGrid(7, -8), 7);
    // At the ends of the range: the nearest multiple that fits.
    EXPECT_EQ(SnapToGrid(INT32_MAX, 99), 2147483646);
    EXPECT_EQ(SnapToGrid(INT32_MIN, 99) % 99, 0);
    EXPECT_GT(SnapToGrid(INT32_MIN, 99), INT32_MIN);
}

struct AlignCase {
    TAlignMode alignment;
    std::int32_t left, top; // where the second object (20 x 10 at 5, 7) goes
};

class AlignTable : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTable, FollowsTheFirstSelectedObject) {
    Boxes b;
    b.add(100, 200, 60, 40); // the reference
    b.add(5, 7, 20, 10);
    const auto changes = AlignedBounds(b.list, GetParam().alignment);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, b.list[1]);
    EXPECT_EQ(changes[0].second.Left, GetParam().left);
    EXPECT_EQ(changes[0].second.Top, GetParam().top);
    EXPECT_EQ(changes[0].second.Width, 20);
    EXPECT_EQ(changes[0].second.Height, 10);
}

INSTANTIATE_TEST_SUITE_P(Alignments, AlignTable,
                         ::testing::Values(AlignCase{TAlignMode::Left, 100, 7}, AlignCase{TAlignMode::Right, 140, 7},
                                           AlignCase{TAlignMode::Center, 120, 7}, AlignCase{TAlignMode::Top, 5, 200},
                                           AlignCase{TAlignMode::Bottom, 5, 230},
                                           AlignCase{TAlignMode::Middle, 5, 215}));

TEST(ObjectAlign, OddSizesRoundTheirHalvesDown) {
    Boxes b;
    b.add(0, 0, 11, 11);
    b.add(50, 50, 4, 5);
    const auto changes = AlignedBounds(b.list, TAlignMode::Center);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second.Left, 5 - 2); // 11 div 2 - 4 div 2
    const auto middle = AlignedBounds(b.list, TAlignMode::Middle);
    EXPECT_EQ(middle[0].second.Top, 5 - 2); // 11 div 2 - 5 div 2
}

TEST(ObjectAlign, ToGridRoundsEveryObjectTheReferenceToo) {
    Boxes b;
    b.add(3, 13, 10, 10);
    b.add(16, 20, 10, 10); // already on the grid: not reported
    b.add(-5, 9, 10, 10);
    const auto changes = GridAlignedBounds(b.list, 8, 10);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].first, b.list[0]);
    EXPECT_EQ(changes[0].second.Left, 0);
    EXPECT_EQ(changes[0].second.Top, 10);
    EXPECT_EQ(changes[1].first, b.list[2]);
    EXPECT_EQ(changes[1].second.Left, -8);
    EXPECT_EQ(changes[1].second.Top, 10);
}

TEST(ObjectAlign, NothingToDoReportsNothing) {
    Boxes b;
    EXPECT_TRUE(AlignedBounds(b.list, TAlignMode::Left).empty());
    b.add(10, 10, 5, 5);
    EXPECT_TRUE(AlignedBounds(b.list, TAlignMode::Left).empty()); // one object is its own reference
    b.add(10, 99, 5, 5);
    EXPECT_TRUE(AlignedBounds(b.list, TAlignMode::Left).empty()); // already aligned
}

TEST(ObjectAlign, HugeRectanglesStayWithinRange) {
    Boxes b;
    b.add(INT32_MAX - 1, INT32_MAX - 1, INT32_MAX, INT32_MAX);
    b.add(0, 0, -INT32_MAX, -INT32_MAX);
    const auto changes = AlignedBounds(b.list, TAlignMode::Right);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second.Left, INT32_MAX);
}

} // namespace
} // namespace vantora
