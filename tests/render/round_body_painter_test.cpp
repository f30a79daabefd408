// Round balloons and notes: rings, shadow rim, marked sides, text box, decorations.

#include "render/note_decorations.h"
#include "render/round_body_painter.h"
#include "render/shade_color.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::AlphaAt;
using test::MakeObject;
using test::Painted;
using test::RgbAt;
using test::RgbOf;

// A note without decoration: body rings from 5 to W-5 on every side, square corners.
TDemoObject plainNote(int w, int h) {
    TDemoObject n = MakeObject(TObjectKind::Note, w, h);
    n.Option = static_cast<int>(TNoteGraphic::None);
    n.Round = 0;
    n.BackColor = RGB(200, 180, 100);
    return n;
}

TEST(RoundBody, FlatWithoutShadowIsOpaqueInsideTheBodyAndClearOutside) {
    TDemoObject n = plainNote(100, 80);
    n.Flat = true;
    n.Shadow = false;
    const QImage p = Painted(n);
    ASSERT_EQ(p.size(), QSize(100, 80));
    EXPECT_EQ(AlphaAt(p, 5, 40), 255);
    EXPECT_EQ(AlphaAt(p, 94, 40), 255);
    EXPECT_EQ(AlphaAt(p, 4, 40), 0);
    EXPECT_EQ(AlphaAt(p, 95, 40), 0);
    EXPECT_EQ(AlphaAt(p, 50, 4), 0);
    EXPECT_EQ(AlphaAt(p, 50, 75), 0);
    EXPECT_EQ(RgbAt(p, 5, 40), RgbOf(n.BackColor)); // one flat fill, no rings
}

TEST(RoundBody, ShadowRimIsBlackAndRisesInwardInFourSteps) {
    TDemoObject n = plainNote(100, 80);
    n.Shadow = true;
    const QImage p = Painted(n);
    // The body ends at column 94; shadow rings shifted by 4 end at 95..98.
    const int expected[] = {128, 96, 64, 32, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(AlphaAt(p, 95 + i, 40), expected[i]) << "column " << 95 + i;
        if (expected[i] > 0) {
            EXPECT_EQ(RgbAt(p, 95 + i, 40), 0u);
        }
    }
    // Below the body as well, and none above or left of it.
    EXPECT_EQ(AlphaAt(p, 50, 75), 128);
    EXPECT_EQ(AlphaAt(p, 50, 78), 32);
    EXPECT_EQ(AlphaAt(p, 3, 40), 0);
    EXPECT_EQ(AlphaAt(p, 50, 3), 0);
}

TEST(RoundBody, BevelledRingsUseTheShadedBodyColours) {
    TDemoObject n = plainNote(100, 80);
    n.Flat = false;
    const QImage p = Painted(n);
    EXPECT_EQ(RgbAt(p, 5, 40), RgbOf(ShadeColor(n.BackColor, 2)));
    EXPECT_EQ(RgbAt(p, 6, 40), RgbOf(ShadeColor(n.BackColor, 0)));
    EXPECT_EQ(RgbAt(p, 7, 40), RgbOf(ShadeColor(n.BackColor, 1)));
    EXPECT_EQ(RgbAt(p, 8, 40), RgbOf(n.BackColor));
    EXPECT_EQ(RgbAt(p, 50, 5), RgbOf(ShadeColor(n.BackColor, 2)));
}

TEST(RoundBody, MarkedSidesFollowTheArrowAndTheNoteGraphic) {
    struct Case {
        int arrow;
        bool left, top, right, bottom;
    };
    const Case cases[] = {{0, true, false, false, true},  {1, true, false, false, false},
                          {3, true, true, false, false},  {5, false, true, false, false},
                          {6, false, true, true, false},  {8, false, false, true, false},
                          {9, false, false, true, true},  {11, false, false, false, true}};
    for (const Case& c : cases) {
        TDemoObject b = MakeObject(TObjectKind::RoundBalloon, 120, 100);
        b.Option = c.arrow;
        const MarkedSides s = RoundBodyMarkedSides(b);
        EXPECT_EQ(s.left, c.left) << c.arrow;
        EXPECT_EQ(s.top, c.top) << c.arrow;
        EXPECT_EQ(s.right, c.right) << c.arrow;
        EXPECT_EQ(s.bottom, c.bottom) << c.arrow;
    }
    TDemoObject n = plainNote(100, 100);
    EXPECT_FALSE(RoundBodyMarkedSides(n).left || RoundBodyMarkedSides(n).top); // "None" reserves nothing
    n.Option = static_cast<int>(TNoteGraphic::Pin);
    n.GraphicPlacement = 2;
    EXPECT_TRUE(RoundBodyMarkedSides(n).right);
    EXPECT_FALSE(RoundBodyMarkedSides(n).top);
}

TEST(RoundBody, TextBoxStaysClearOfMarkedSides) {
    TDemoObject b = MakeObject(TObjectKind::RoundBalloon, 200, 120);
    b.Margin = 10;
    b.Option = 0; // left and bottom
    EXPECT_EQ(RoundBodyTextBox(b), QRect(27, 10, 163, 83));
    b.Option = 6; // top and right
    EXPECT_EQ(RoundBodyTextBox(b), QRect(10, 27, 163, 83));
}

TEST(RoundBody, ArrowRingsMoveInwardByTheirShift) {
    TDemoObject b = MakeObject(TObjectKind::RoundBalloon, 120, 100);
    b.Option = 4; // TopLeft: (15, 5), (15, Q+5), (15+Q, Q+5) with P = 50, Q = 49
    EXPECT_EQ(RoundBalloonArrowRing(b, 0, 0), QPolygon({QPoint(15, 5), QPoint(15, 54), QPoint(64, 54)}));
    EXPECT_EQ(RoundBalloonArrowRing(b, 3, 4).first(), QPoint(15 + 3 + 4, 5 + 6 + 4));
    b.Option = 12;
    EXPECT_TRUE(RoundBalloonArrowRing(b, 0, 0).isEmpty());
}

TEST(RoundBody, RoundBalloonPointerReachesIntoItsBand) {
    TDemoObject b = MakeObject(TObjectKind::RoundBalloon, 120, 100);
    b.Option = 11; // BottomLeft: tip at (15, H-5)
    b.Shadow = false;
    const QImage p = Painted(b);
    EXPECT_EQ(AlphaAt(p, 16, 93), 255); // inside the tip, below the body's bottom at H-22
    EXPECT_EQ(AlphaAt(p, 100, 90), 0);  // the band elsewhere stays clear
}

TEST(RoundBody, TextChangesColourInsideTheTextBoxButNeverAlpha) {
    for (TObjectKind kind : {TObjectKind::RoundBalloon, TObjectKind::Note}) {
        TDemoObject plain = MakeObject(kind, 180, 120);
        plain.Option = 0;
        plain.Margin = 12;
        plain.Font.Height = -18;
        TDemoObject worded = plain;
        worded.Text = "Words inside the text box of the body";
        const QImage a = Painted(plain);
        const QImage b = Painted(worded);
        const QRect box = RoundBodyTextBox(worded);
        int changed = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                ASSERT_EQ(AlphaAt(a, x, y), AlphaAt(b, x, y)) << ObjectKindName(kind) << " " << x << "," << y;
                if (RgbAt(a, x, y) != RgbAt(b, x, y)) {
                    ++changed;
                    ASSERT_TRUE(box.contains(x, y)) << ObjectKindName(kind) << " " << x << "," << y;
                }
            }
        }
        EXPECT_GT(changed, 30) << ObjectKindName(kind);
    }
}

TEST(NoteDecoration, ClipAndPinReserveTheSideButDrawNothing) {
    for (TNoteGraphic g : {TNoteGraphic::Clip, TNoteGraphic::Pin, TNoteGraphic::Custom}) {
        TDemoObject n = plainNote(120, 100);
        n.Shadow = false;
        n.Option = static_cast<int>(g);
        n.GraphicPlacement = 1;
        const QImage p = Painted(n);
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 120; ++x)
                ASSERT_EQ(AlphaAt(p, x, y), 0) << x << "," << y;
        EXPECT_EQ(AlphaAt(p, 60, 22), 255);
    }
}

TEST(NoteDecoration, BindAndPadSitTopCentreAndOnlyRaiseAlpha) {
    EXPECT_EQ(NoteDecoration(TNoteGraphic::Bind).size(), QSize(60, 37));
    EXPECT_EQ(NoteDecoration(TNoteGraphic::Pad).size(), QSize(70, 33));
    EXPECT_TRUE(NoteDecoration(TNoteGraphic::Clip).isNull());
    for (TNoteGraphic g : {TNoteGraphic::Bind, TNoteGraphic::Pad}) {
        TDemoObject n = plainNote(200, 100);
        n.Shadow = false;
        n.Option = static_cast<int>(g);
        n.GraphicPlacement = 1;
        const QImage p = Painted(n);
        const QImage decoration = NoteDecoration(g);
        const int left = (200 - decoration.width()) / 2;
        int shown = 0;
        for (int y = 0; y < decoration.height(); ++y) {
            for (int x = 0; x < 200; ++x) {
                const bool underDecoration = x >= left && x < left + decoration.width();
                const int a = underDecoration ? qAlpha(decoration.pixel(x - left, y)) : 0;
                if (!underDecoration && y < 22) {
                    ASSERT_EQ(AlphaAt(p, x, y), 0) << x << "," << y;
                }
                if (underDecoration) {
                    ASSERT_GE(AlphaAt(p, x, y), a);
                }
                shown += a > 0;
            }
        }
        EXPECT_GT(shown, 100);
        EXPECT_EQ(AlphaAt(p, 100, 60), 255); // the body under it stays opaque
    }
}

TEST(NoteDecoration, NarrowNotesClipTheDecoration) {
    TDemoObject n = plainNote(30, 60);
    n.Option = static_cast<int>(TNoteGraphic::Pad);
    const QImage p = Painted(n);
    EXPECT_EQ(p.size(), QSize(30, 60));
}

} // namespace
} // namespace vantora
