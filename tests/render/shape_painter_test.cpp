// Shapes and buttons: outlines, clear fills, the geometry table, caption opacity.

#include "render/shape_painter.h"
#include "render_test_support.h"

#include "picture/picture.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::AlphaAt;
using test::MakeObject;
using test::Painted;
using test::RgbAt;
using test::RgbOf;

TDemoObject shape(TShapeKind kind, int borderWidth, TFillStyle fill, int w = 60, int h = 40) {
    TDemoObject s = MakeObject(TObjectKind::Shape, w, h);
    s.Style = static_cast<int>(kind);
    s.BorderWidth = borderWidth;
    s.Option = static_cast<int>(fill);
    s.BackColor = RGB(0, 128, 255);
    s.BorderColor = RGB(200, 0, 0);
    s.Spacing = 0;
    return s;
}

int opaqueCount(const QImage& p) {
    int count = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            count += AlphaAt(p, x, y) == 255;
    return count;
}

TEST(ShapePainter, RectangleWithOutlineHasBorderColourOnTheEdgeAndFillInside) {
    const QImage p = Painted(shape(TShapeKind::Rectangle, 1, TFillStyle::Solid));
    // a = 0: rectangle (1, 1) - (59, 39), right and bottom exclusive.
    EXPECT_EQ(AlphaAt(p, 0, 20), 0);
    EXPECT_EQ(AlphaAt(p, 1, 20), 255);
    EXPECT_EQ(RgbAt(p, 1, 20), RgbOf(RGB(200, 0, 0)));
    EXPECT_EQ(RgbAt(p, 58, 20), RgbOf(RGB(200, 0, 0)));
    EXPECT_EQ(AlphaAt(p, 59, 20), 0);
    EXPECT_EQ(RgbAt(p, 30, 20), RgbOf(RGB(0, 128, 255)));
    EXPECT_EQ(AlphaAt(p, 30, 20), 255);
}

TEST(ShapePainter, ZeroBorderWidthMeansNoOutlineAndTheMaskIsTheFillAlone) {
    const QImage p = Painted(shape(TShapeKind::Ellipse, 0, TFillStyle::Solid));
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (AlphaAt(p, x, y) > 0) {
                ASSERT_EQ(RgbAt(p, x, y), RgbOf(RGB(0, 128, 255))) << x << "," << y;
            }
    EXPECT_EQ(AlphaAt(p, 30, 20), 255);
    EXPECT_EQ(AlphaAt(p, 1, 1), 0);
}

TEST(ShapePainter, ClearFillWithoutOutlineIsFullyTransparent) {
    for (int kind = 0; kind <= 10; ++kind)
        EXPECT_EQ(opaqueCount(Painted(shape(static_cast<TShapeKind>(kind), 0, TFillStyle::Clear))), 0) << kind;
}

TEST(ShapePainter, ClearFillKeepsOnlyTheOutline) {
    const QImage p = Painted(shape(TShapeKind::Rectangle, 3, TFillStyle::Clear));
    EXPECT_EQ(AlphaAt(p, 30, 20), 0);
    EXPECT_EQ(AlphaAt(p, 2, 20), 255); // a = 1: edge at x = 2, three pixels wide
    EXPECT_EQ(RgbAt(p, 2, 20), RgbOf(RGB(200, 0, 0)));
}

TEST(ShapePainter, ArrowTipsSitWhereTheTableSays) {
    const QImage left = Painted(shape(TShapeKind::ArrowLeft, 1, TFillStyle::Solid));
    EXPECT_EQ(AlphaAt(left, 0, 20), 255); // tip at x = a = 0
    const QImage right = Painted(shape(TShapeKind::ArrowRight, 1, TFillStyle::Solid));
    EXPECT_EQ(AlphaAt(right, 59, 20), 255); // tip at x = W - a = 60 lies past the last column
    EXPECT_EQ(AlphaAt(right, 0, 20), 255); // tail at x = a
    const QImage up = Painted(shape(TShapeKind::ArrowUp, 1, TFillStyle::Solid));
    EXPECT_EQ(AlphaAt(up, 30, 0), 255);
    EXPECT_EQ(AlphaAt(up, 30, 39), 255); // shaft reaches H - a
    const QImage down = Painted(shape(TShapeKind::ArrowDown, 1, TFillStyle::Solid));
    EXPECT_EQ(AlphaAt(down, 30, 39), 255);
    EXPECT_EQ(AlphaAt(down, 30, 0), 255);
}

TEST(ShapePainter, LinesAreOnePenWideAndStopShortOfTheirEnd) {
    const QImage horizontal = Painted(shape(TShapeKind::LineHorz, 1, TFillStyle::Solid));
    EXPECT_EQ(AlphaAt(horizontal, 0, 20), 255);
    EXPECT_EQ(AlphaAt(horizontal, 59, 20), 255);
    EXPECT_EQ(AlphaAt(horizontal, 30, 19), 0);
    EXPECT_EQ(AlphaAt(horizontal, 30, 21), 0);
    EXPECT_EQ(opaqueCount(horizontal), 60);
    // (0, 0) toward (21, 11): one pixel per column, the end point itself (outside) left out.
    const QImage diagonal = Painted(shape(TShapeKind::LineLeftTopToRightBottom, 1, TFillStyle::Solid, 21, 11));
    EXPECT_EQ(AlphaAt(diagonal, 0, 0), 255);
    EXPECT_EQ(AlphaAt(diagonal, 20, 10), 255);
    EXPECT_EQ(opaqueCount(diagonal), 21);
    const QImage other = Painted(shape(TShapeKind::LineTopRightToBottomLeft, 1, TFillStyle::Solid, 21, 11));
    EXPECT_EQ(opaqueCount(other), 20); // (21, 0) starts outside; (0, 11) is the left-out end
    EXPECT_EQ(AlphaAt(other, 0, 0), 0);
    EXPECT_EQ(AlphaAt(other, 20, 10), 0);
}

TEST(ShapePainter, UnknownShapeValuesDrawNothing) {
    EXPECT_TRUE(Painted(shape(static_cast<TShapeKind>(11), 1, TFillStyle::Solid)).isNull());
    EXPECT_TRUE(Painted(shape(static_cast<TShapeKind>(-1), 1, TFillStyle::Solid)).isNull());
}

TDemoObject button(TFillStyle fill, const std::string& caption) {
    TDemoObject b = MakeObject(TObjectKind::Button, 100, 30);
    b.Option = static_cast<int>(fill);
    b.BorderWidth = 0;
    b.Text = caption;
    b.Alignment = 1;
    b.Layout = 1;
    b.Font.Height = -16;
    b.Font.Color = RGB(0, 0, 0);
    b.BackColor = RGB(240, 240, 240);
    return b;
}

TEST(ButtonPainter, CaptionIsOpaqueEvenOnAClearFace) {
    EXPECT_EQ(opaqueCount(Painted(button(TFillStyle::Clear, ""))), 0);
    const QImage p = Painted(button(TFillStyle::Clear, "Go on"));
    const int opaque = opaqueCount(p);
    EXPECT_GT(opaque, 20);
    EXPECT_LT(opaque, 100 * 30 / 3);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (AlphaAt(p, x, y) > 0) {
                ASSERT_EQ(RgbAt(p, x, y), 0u) << x << "," << y;
            }
}

TEST(ButtonPainter, SolidFaceIsTheRoundedRectangleWithTheCaptionOnIt) {
    TDemoObject b = button(TFillStyle::Solid, "OK");
    b.Round = 5;
    const QImage p = Painted(b);
    EXPECT_EQ(AlphaAt(p, 3, 15), 255);
    EXPECT_EQ(RgbAt(p, 3, 15), qRgb(240, 240, 240) & 0xFFFFFFu);
    EXPECT_EQ(AlphaAt(p, 1, 1), 0); // rounded corner
}

TEST(ButtonPainter, PictureIsStretchedWithItsTransparencyAndTheCaptionOnTop) {
    // 2 x 2 bitmap: bottom-left is the key colour, so Auto transparency clears that quarter.
    RgbaImage source = test::SolidImage(2, 2, 0xFF00FF00u);
    source.pixel(0, 1) = 0xFFFF00FFu;
    TDemoObject b = button(TFillStyle::Solid, "");
    b.Width = 10;
    b.Height = 10;
    b.Picture = Picture(PictureFormat::Bitmap, test::BmpBytes(source));
    const QImage p = Painted(b);
    ASSERT_EQ(p.size(), QSize(10, 10));
    EXPECT_EQ(AlphaAt(p, 2, 7), 0);
    EXPECT_EQ(AlphaAt(p, 7, 7), 255);
    EXPECT_EQ(RgbAt(p, 7, 2), 0x00FF00u);
}

} // namespace
} // namespace vantora
