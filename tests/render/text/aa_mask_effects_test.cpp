// Mask effects on small masks: outline, spray, mirrors and blur.

#include "render/text/aa_blur.h"
#include "render/text/aa_mask_effects.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vantora {
namespace {

TAAMask MaskFromRows(const std::vector<std::vector<int>>& rows) {
    TAAMask mask(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            mask.SetValue(x, y, static_cast<std::uint8_t>(rows[y][x]));
        }
    }
    return mask;
}

std::vector<std::vector<int>> Rows(const TAAMask& mask) {
    std::vector<std::vector<int>> rows(mask.Height(), std::vector<int>(mask.Width()));
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            rows[y][x] = mask.Value(x, y);
        }
    }
    return rows;
}

TAAMask Square5() {
    return MaskFromRows({{0, 0, 0, 0, 0},
                         {0, 255, 255, 255, 0},
                         {0, 255, 255, 255, 0},
                         {0, 255, 255, 255, 0},
                         {0, 0, 0, 0, 100}});
}

TEST(AAOutline, KeepsEdgesAndEmptiesTheInside) {
    TAAMask mask = Square5();
    TAAMask scratch;
    OutlineMask(mask, scratch);
    EXPECT_EQ(mask.Value(2, 2), 0) << "inside: no change around it";
    // Corner (1, 1): |b[2]-a[0]| + |b[1]-a[1]| + |m[2]-m[0]| + |b[0]-a[2]| = 765, / 4.
    EXPECT_EQ(mask.Value(1, 1), 191);
    EXPECT_EQ(mask.Value(1, 2), 191) << "edge middle";
    // Next to the border pixel of 100: |100-255| + |0-255| + |0-255| + |0-0| = 665.
    EXPECT_EQ(mask.Value(3, 3), 166);
    EXPECT_EQ(mask.Value(4, 4), 100) << "border pixels keep their value";
    EXPECT_EQ(mask.Value(0, 0), 0);
}

TEST(AAOutline, MasksWithoutInnerPixelsStayAsTheyAre) {
    TAAMask mask = MaskFromRows({{10, 20}, {30, 40}});
    TAAMask scratch;
    OutlineMask(mask, scratch);
    EXPECT_EQ(Rows(mask), (std::vector<std::vector<int>>{{10, 20}, {30, 40}}));
}

TEST(AASpray, SameSeedSameResult) {
    TAAMask first = Square5();
    TAAMask second = Square5();
    TAARandom a(42), b(42);
    SprayMask(first, 2, a);
    SprayMask(second, 2, b);
    EXPECT_EQ(Rows(first), Rows(second));
    EXPECT_NE(Rows(first), Rows(Square5())) << "spray 2 moves something on this mask";
}

TEST(AASpray, OnlyMovesValuesThatWereThere) {
    TAAMask mask = Square5();
    TAARandom random(7);
    SprayMask(mask, 3, random);
    std::set<int> values;
    for (const auto& row : Rows(mask)) {
        values.insert(row.begin(), row.end());
    }
    for (int v : values) {
        EXPECT_TRUE(v == 0 || v == 255 || v == 100) << v;
    }
}

TEST(AASpray, ZeroAmountLeavesTheMaskAndTheGeneratorAlone) {
    TAAMask mask = Square5();
    TAARandom random(3), untouched(3);
    SprayMask(mask, 0, random);
    EXPECT_EQ(Rows(mask), Rows(Square5()));
    EXPECT_EQ(random.Random(1000000), untouched.Random(1000000));
}

TEST(AASpray, AmountOneDisplacesByAtMostOnePixel) {
    // With amount 1 a pixel reads itself or the pixel one to the right and/or below, which is
    // not sprayed yet, so a lone dot spreads at most one pixel up and to the left.
    TAAMask mask(9, 9);
    mask.SetValue(4, 4, 255);
    TAARandom random(11);
    SprayMask(mask, 1, random);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (mask.Value(x, y) != 0) {
                EXPECT_TRUE(x == 3 || x == 4) << x << "," << y;
                EXPECT_TRUE(y == 3 || y == 4) << x << "," << y;
            }
        }
    }
}

TEST(AAMirror, HorizontalReversesEveryRowVerticalSwapsRows) {
    // Width 5: the stride padding must not take part in the reversal.
    TAAMask mask = MaskFromRows({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}});
    MirrorMaskHorizontally(mask);
    EXPECT_EQ(Rows(mask), (std::vector<std::vector<int>>{{5, 4, 3, 2, 1}, {10, 9, 8, 7, 6}, {15, 14, 13, 12, 11}}));
    MirrorMaskVertically(mask);
    EXPECT_EQ(Rows(mask), (std::vector<std::vector<int>>{{15, 14, 13, 12, 11}, {10, 9, 8, 7, 6}, {5, 4, 3, 2, 1}}));
}

TEST(AABlur, FullStrengthTakesTheRoundedBoxMean) {
    TAAMask mask(9, 9);
    mask.SetValue(4, 4, 255);
    TAABlur blur;
    blur.Apply(mask, 100);
    EXPECT_EQ(mask.Value(4, 4), 10); // round(255 / 25)
    EXPECT_EQ(mask.Value(2, 6), 10);
    EXPECT_EQ(mask.Value(1, 4), 0);
    EXPECT_EQ(mask.Value(4, 7), 0);
}

TEST(AABlur, EdgesRepeatTheNearestRowAndColumn) {
    // A corner pixel is counted 3 x 3 times in its own clamped window: round(9 x 255 / 25).
    TAAMask mask(5, 5);
    mask.SetValue(0, 0, 255);
    TAABlur blur;
    blur.Apply(mask, 100);
    EXPECT_EQ(mask.Value(0, 0), 92);
    EXPECT_EQ(mask.Value(1, 0), 61);  // round(6 x 255 / 25): counted 3 x 2 times
    EXPECT_EQ(mask.Value(2, 2), 10);
    EXPECT_EQ(mask.Value(3, 3), 0);
}

TEST(AABlur, PartialStrengthMovesPartWayToTheFilteredValue) {
    TAAMask mask(9, 9);
    mask.SetValue(4, 4, 255);
    TAABlur blur;
    blur.Apply(mask, 50); // k = round(127.5) = 128
    EXPECT_EQ(mask.Value(4, 4), 255 + (((10 - 255) * 128) >> 8));
    EXPECT_EQ(mask.Value(3, 4), (10 * 128) >> 8);
}

TEST(AABlur, ZeroStrengthAndUniformMasksDoNotChange) {
    TAAMask mask = Square5();
    TAABlur blur;
    blur.Apply(mask, 0);
    EXPECT_EQ(Rows(mask), Rows(Square5()));
    TAAMask uniform(7, 3);
    uniform.Fill(180);
    blur.Apply(uniform, 100);
    blur.Apply(uniform, 37);
    for (const auto& row : Rows(uniform)) {
        for (int v : row) {
            EXPECT_EQ(v, 180);
        }
    }
    TAAMask single(1, 1);
    single.Fill(90);
    blur.Apply(single, 100);
    EXPECT_EQ(single.Value(0, 0), 90);
}

} // namespace
} // namespace vantora
