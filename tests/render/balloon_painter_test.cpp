// The rectangular balloon: body, bevel ramp, corner and arrow masks, text.

#include "render/balloon_masks.h"
#include "render/balloon_painter.h"
#include "render/render_tables.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

#include <QRect>

#include <string>
#include <thread>
#include <vector>

namespace vantora {
namespace {

using test::AlphaAt;
using test::MakeObject;
using test::Painted;
using test::RgbAt;
using test::RgbOf;

constexpr int kW = 160, kH = 100;

TDemoObject balloon(int arrow) {
    TDemoObject b = MakeObject(TObjectKind::Balloon, kW, kH);
    b.Option = arrow;
    b.BackColor = RGB(100, 150, 200);
    b.BorderColor = RGB(10, 20, 30);
    return b;
}

TEST(BalloonRamp, DarkensThenLightensByBodyRedThenHoldsTheBorder) {
    const auto mid = BalloonColourRamp(RGB(100, 150, 200), RGB(1, 2, 3));
    EXPECT_EQ(mid[0] & 0xFFFFFFu, qRgb(100, 150, 200) & 0xFFFFFFu);
    EXPECT_EQ(mid[38] & 0xFFFFFFu, qRgb(24, 74, 124) & 0xFFFFFFu);
    EXPECT_EQ(mid[63] & 0xFFFFFFu, qRgb(0, 24, 74) & 0xFFFFFFu); // clamps at 0
    EXPECT_EQ(mid[125] & 0xFFFFFFu, qRgb(161, 211, 255) & 0xFFFFFFu); // +61, clamps at 255
    EXPECT_EQ(mid[128] & 0xFFFFFFu, qRgb(1, 2, 3) & 0xFFFFFFu);
    EXPECT_EQ(mid[255] & 0xFFFFFFu, qRgb(1, 2, 3) & 0xFFFFFFu);
    const auto dark = BalloonColourRamp(RGB(63, 0, 0), 0); // red below 64: twice as fast
    EXPECT_EQ(qRed(dark[70]), 63 + 12);
    const auto light = BalloonColourRamp(RGB(192, 0, 0), 0); // red 192 or more: half as fast
    EXPECT_EQ(qRed(light[70]), 192 + 3);
    EXPECT_EQ(qGreen(light[71]), 3); // integer halving of 7
}

TEST(BalloonPainter, WithoutArrowTheWholePictureIsBodyWithOpaqueInside) {
    const QImage p = Painted(balloon(0));
    ASSERT_EQ(p.size(), QSize(kW, kH));
    EXPECT_EQ(AlphaAt(p, kW / 2, kH / 2), 255);
    EXPECT_EQ(RgbAt(p, kW / 2, kH / 2), RgbOf(RGB(100, 150, 200)));
    // Outline one pixel in at the top and left, two in at the bottom and right; outside it clear.
    EXPECT_EQ(AlphaAt(p, kW / 2, 0), 0);
    EXPECT_EQ(AlphaAt(p, kW / 2, 1), 255);
    EXPECT_EQ(RgbAt(p, kW / 2, 1), RgbOf(RGB(10, 20, 30)));
    EXPECT_EQ(RgbAt(p, 1, kH / 2), RgbOf(RGB(10, 20, 30)));
    EXPECT_EQ(AlphaAt(p, kW / 2, kH - 2), 0);
    EXPECT_EQ(AlphaAt(p, kW / 2, kH - 3), 255);
    EXPECT_EQ(RgbAt(p, kW / 2, kH - 3), RgbOf(RGB(10, 20, 30)));
    EXPECT_EQ(AlphaAt(p, kW - 2, kH / 2), 0);
    EXPECT_EQ(AlphaAt(p, kW - 3, kH / 2), 255);
    EXPECT_EQ(AlphaAt(p, 0, 0), 0);
    EXPECT_EQ(AlphaAt(p, kW - 1, kH - 1), 0);
}

TEST(BalloonPainter, BevelRowsFollowTheRamp) {
    const QImage p = Painted(balloon(0));
    const auto ramp = BalloonColourRamp(RGB(100, 150, 200), RGB(10, 20, 30));
    for (int k = 2; k <= 5; ++k) {
        EXPECT_EQ(RgbAt(p, kW / 2, k), ramp[std::size_t(kRampHighlight[k - 2])] & 0xFFFFFFu) << k;
        EXPECT_EQ(RgbAt(p, k, kH / 2), ramp[std::size_t(kRampHighlight[k - 2])] & 0xFFFFFFu) << k;
    }
    for (int k = 3; k <= 6; ++k) {
        EXPECT_EQ(RgbAt(p, kW / 2, kH - 1 - k), ramp[std::size_t(kRampShade[k - 3])] & 0xFFFFFFu) << k;
        EXPECT_EQ(RgbAt(p, kW - 1 - k, kH / 2), ramp[std::size_t(kRampShade[k - 3])] & 0xFFFFFFu) << k;
    }
}

TEST(BalloonPainter, CornersAreRoundedAndSoft) {
    const QImage p = Painted(balloon(0));
    // The outermost corner pixels are clear, the inner corner of each mask opaque, and the arc
    // has partial alpha somewhere: anti-aliased, not a hard step.
    const QPoint outer[] = {{1, 1}, {kW - 3, 1}, {kW - 3, kH - 3}, {1, kH - 3}};
    for (const QPoint& pt : outer)
        EXPECT_EQ(AlphaAt(p, pt.x(), pt.y()), 0) << pt.x() << "," << pt.y();
    EXPECT_EQ(AlphaAt(p, 11, 11), 255);
    EXPECT_EQ(AlphaAt(p, kW - 13, kH - 13), 255);
    int partial = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            partial += AlphaAt(p, x, y) > 0 && AlphaAt(p, x, y) < 255;
    EXPECT_GE(partial, 4);
}

TEST(BalloonMasks, EdgesOfEveryMaskContinueTheStraightBodyProfile) {
    // Where a corner mask meets the straight edge, its cells match what the painter draws there:
    // top/left outline at depth 1 and clear at depth 0.
    const BalloonMask& topLeft = BalloonCornerMask(BalloonCorner::TopLeft);
    EXPECT_EQ(MaskAlpha(topLeft.at(0, 11)), 0);
    EXPECT_EQ(topLeft.at(1, 11), MaskEntry(255, kRampOutline));
    EXPECT_EQ(topLeft.at(2, 11), MaskEntry(255, kRampHighlight[0]));
    EXPECT_EQ(topLeft.at(11, 1), MaskEntry(255, kRampOutline));
    const BalloonMask& bottomRight = BalloonCornerMask(BalloonCorner::BottomRight);
    EXPECT_EQ(MaskAlpha(bottomRight.at(11, 0)), 0);         // row B-1
    EXPECT_EQ(bottomRight.at(10, 0), MaskEntry(255, kRampOutline)); // row B-2
    EXPECT_EQ(bottomRight.at(9, 0), MaskEntry(255, kRampShade[0]));
    // The arrows join the body outline at both ends of their window.
    const BalloonMask& bottomLeft = BalloonArrowMask(BalloonCorner::BottomLeft);
    for (int column : {0, kArrowMaskColumns - 1}) {
        EXPECT_EQ(bottomLeft.at(4, column), MaskEntry(255, kRampOutline)) << column; // row B-2
        EXPECT_EQ(MaskAlpha(bottomLeft.at(5, column)), 0) << column;
    }
    const BalloonMask& topRight = BalloonArrowMask(BalloonCorner::TopRight);
    for (int column : {0, kArrowMaskColumns - 1})
        EXPECT_EQ(topRight.at(17, column), MaskEntry(255, kRampOutline)) << column; // row T+1
}

TEST(BalloonMasks, ColourCodesAreRampIndicesOrPairsOfThem) {
    for (BalloonCorner c : {BalloonCorner::TopLeft, BalloonCorner::TopRight, BalloonCorner::BottomRight,
                            BalloonCorner::BottomLeft}) {
        for (const BalloonMask* mask : {&BalloonCornerMask(c), &BalloonArrowMask(c)}) {
            for (std::uint32_t entry : mask->entries) {
                EXPECT_LE(entry >> 16, 255u);
                const int code = MaskColourCode(entry);
                if (code >= 256) {
                    EXPECT_NE(code >> 8, 0);
                }
            }
        }
    }
}

struct ArrowCase {
    int arrow;
    QRect body;   // inclusive body rectangle
    QRect window; // inclusive rows/columns the arrow mask covers
};

class BalloonArrowPlacement : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(BalloonArrowPlacement, OnlyTheArrowMaskShowsOutsideTheBody) {
    const ArrowCase c = GetParam();
    const QImage p = Painted(balloon(c.arrow));
    int outside = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (c.body.contains(x, y) || AlphaAt(p, x, y) == 0)
                continue;
            ++outside;
            EXPECT_TRUE(c.window.contains(x, y)) << "arrow " << c.arrow << " pixel " << x << "," << y;
        }
    }
    EXPECT_GE(outside, 40) << "arrow " << c.arrow; // the pointer is really there
}

constexpr int L = 0, T = 0, R = kW - 1, B = kH - 1, Rb = kW - 19, Bb = kH - 19;

INSTANTIATE_TEST_SUITE_P(
    EveryArrow, BalloonArrowPlacement,
    ::testing::Values(
        ArrowCase{1, QRect(QPoint(18, T), QPoint(R, B)), QRect(QPoint(18 - 16, B - 30), QPoint(18 + 5, B - 13))},
        ArrowCase{2, QRect(QPoint(18, T), QPoint(R, B)), QRect(QPoint(18 - 16, T + 12), QPoint(18 + 5, T + 29))},
        ArrowCase{3, QRect(QPoint(L, 18), QPoint(R, B)), QRect(QPoint(L + 12, 18 - 16), QPoint(L + 29, 18 + 5))},
        ArrowCase{4, QRect(QPoint(L, 18), QPoint(R, B)), QRect(QPoint(R - 30, 18 - 16), QPoint(R - 13, 18 + 5))},
        ArrowCase{5, QRect(QPoint(L, T), QPoint(Rb, B)), QRect(QPoint(Rb - 6, T + 12), QPoint(Rb + 15, T + 29))},
        ArrowCase{6, QRect(QPoint(L, T), QPoint(Rb, B)), QRect(QPoint(Rb - 6, B - 30), QPoint(Rb + 15, B - 13))},
        ArrowCase{7, QRect(QPoint(L, T), QPoint(R, Bb)), QRect(QPoint(R - 30, Bb - 6), QPoint(R - 13, Bb + 15))},
        ArrowCase{8, QRect(QPoint(L, T), QPoint(R, Bb)), QRect(QPoint(L + 12, Bb - 6), QPoint(L + 29, Bb + 15))}),
    [](const ::testing::TestParamInfo<ArrowCase>& info) { return "Arrow" + std::to_string(info.param.arrow); });

TEST(BalloonPainter, SideArrowLeavesTheRestOfItsBandClear) {
    const QImage p = Painted(balloon(2)); // LeftUp
    for (int y = 40; y < kH; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_EQ(AlphaAt(p, x, y), 0) << x << "," << y;
}

TEST(BalloonPainter, ArrowValuesOutsideTheListDrawNoArrow) {
    EXPECT_EQ(Painted(balloon(42)), Painted(balloon(0)));
    EXPECT_EQ(Painted(balloon(-1)), Painted(balloon(0)));
}

TEST(BalloonPainter, TextChangesColourButNotAlpha) {
    TDemoObject plain = balloon(8);
    TDemoObject worded = plain;
    worded.Text = "Hello there, a few words\r\nthat run past the box and out of the body";
    worded.Margin = -30; // text box larger than the picture: glyphs land on clear pixels too
    worded.Font.Height = -20;
    const QImage a = Painted(plain);
    const QImage b = Painted(worded);
    int changed = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(AlphaAt(a, x, y), AlphaAt(b, x, y)) << x << "," << y;
            changed += RgbAt(a, x, y) != RgbAt(b, x, y);
        }
    }
    EXPECT_GT(changed, 50);
}

} // namespace
} // namespace vantora

namespace vantora {
namespace {

// A movie build makes the painters' tables on another thread while its first objects are painted:
// the pictures are the same as when painted with the tables made first.
TEST(RenderTables, MadeOnAnotherThreadWhileBalloonsArePaintedGiveTheSamePictures) {
    std::vector<QImage> during;
    std::thread tables(PrepareRenderTables);
    for (int arrow = 0; arrow < 8; ++arrow)
        during.push_back(Painted(balloon(arrow)));
    tables.join();
    PrepareRenderTables(); // a second call finds everything made
    for (int arrow = 0; arrow < 8; ++arrow)
        EXPECT_EQ(during[std::size_t(arrow)], Painted(balloon(arrow))) << arrow;
}

} // namespace
} // namespace vantora
