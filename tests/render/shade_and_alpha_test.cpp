// ShadeColor, the Alpha (%) step and the RenderObject/PaintObject entry.

#include "render/object_renderer.h"
#include "render/shade_color.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::MakeObject;

TEST(ShadeColor, LightensAndDarkensEachChannelTowardWhiteTruncating) {
    const TColor grey = RGB(100, 100, 100);
    EXPECT_EQ(ShadeColor(grey, 0), RGB(177, 177, 177)); // 100 + 50*155/100 = 177.5 -> 177
    EXPECT_EQ(ShadeColor(grey, 1), RGB(138, 138, 138)); // 100 + 38.75
    EXPECT_EQ(ShadeColor(grey, 2), RGB(85, 85, 85));    // 100 - 15.5 truncates toward zero
    EXPECT_EQ(ShadeColor(grey, 3), RGB(54, 54, 54));    // 100 - 46.5
}

TEST(ShadeColor, ChannelsStayIndependentAndClampAtTheEnds) {
    EXPECT_EQ(ShadeColor(RGB(255, 0, 10), 0), RGB(255, 127, 132));
    EXPECT_EQ(ShadeColor(RGB(0, 0, 0), 3), RGB(0, 0, 0)); // 0 - 76 clamps at 0
    EXPECT_EQ(ShadeColor(RGB(255, 255, 255), 3), RGB(255, 255, 255));
    EXPECT_EQ(ShadeColor(RGB(1, 2, 3), 7), RGB(1, 2, 3)); // unknown step: unchanged
}

TEST(AlphaStep, ScalesEveryAlphaDownWithIntegerArithmetic) {
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(10, 20, 30, 255));
    picture.setPixel(1, 0, qRgba(10, 20, 30, 3));
    picture.setPixel(2, 0, qRgba(10, 20, 30, 0));
    ApplyAlphaPercent(picture, 50);
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 127);
    EXPECT_EQ(qAlpha(picture.pixel(1, 0)), 1);
    EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 0);
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFFu, qRgb(10, 20, 30) & 0xFFFFFFu); // colour untouched
}

TEST(AlphaStep, HundredAndOutOfRangeValuesChangeNothingAndZeroClearsAll) {
    for (int percent : {100, 101, -1, 1000}) {
        QImage picture(1, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(1, 2, 3, 200));
        ApplyAlphaPercent(picture, percent);
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 200) << percent;
    }
    QImage picture(1, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(1, 2, 3, 255));
    ApplyAlphaPercent(picture, 0);
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
}

TEST(RenderObject, MakesTheObjectSizedPictureWithAlphaApplied) {
    TDemoObject shape = MakeObject(TObjectKind::Shape, 40, 30);
    shape.BorderWidth = 0;
    shape.Alpha = 50;
    const std::optional<RgbaImage> rendered = RenderObject(shape);
    ASSERT_TRUE(rendered.has_value());
    EXPECT_EQ(rendered->width, 40);
    EXPECT_EQ(rendered->height, 30);
    EXPECT_EQ(alphaOf(rendered->pixel(20, 15)), 127);
    // PaintObject skips the Alpha step.
    const QImage fresh = test::Painted(shape);
    EXPECT_EQ(qAlpha(fresh.pixel(20, 15)), 255);
}

TEST(RenderObject, GivesExactlyWhatPaintObjectDrawsAtFullOpacity) {
    for (TObjectKind kind : {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note, TObjectKind::Shape,
                             TObjectKind::Button, TObjectKind::Cursor, TObjectKind::Label}) {
        TDemoObject object = MakeObject(kind, 120, 90);
        object.Text = "Cached";
        object.Option = 1;
        object.Style = 2;
        const std::optional<RgbaImage> rendered = RenderObject(object);
        const QImage fresh = test::Painted(object);
        if (fresh.isNull()) { // Label without the text engine
            EXPECT_FALSE(rendered.has_value());
            continue;
        }
        ASSERT_TRUE(rendered.has_value()) << ObjectKindName(kind);
        ASSERT_EQ(rendered->width, fresh.width());
        ASSERT_EQ(rendered->height, fresh.height());
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                ASSERT_EQ(rendered->pixel(x, y), fresh.pixel(x, y)) << ObjectKindName(kind) << " " << x << "," << y;
    }
}

TEST(RenderObject, KindsWithoutAPainterGiveNoPicture) {
    for (TObjectKind kind : {TObjectKind::Text, TObjectKind::InputText, TObjectKind::Audio}) {
        TDemoObject object = MakeObject(kind, 50, 50);
        EXPECT_FALSE(RenderObject(object).has_value()) << ObjectKindName(kind);
        EXPECT_TRUE(test::Painted(object).isNull());
    }
}

TEST(RenderObject, AbsurdSizesGiveNoPictureInsteadOfHugeAllocations) {
    for (auto [w, h] : {std::pair{0, 10}, {10, -5}, {100000, 100000}, {20000, 1}}) {
        for (TObjectKind kind : {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note,
                                 TObjectKind::Shape, TObjectKind::Button}) {
            TDemoObject object = MakeObject(kind, w, h);
            object.Text = "x";
            EXPECT_FALSE(RenderObject(object).has_value()) << ObjectKindName(kind) << " " << w << "x" << h;
        }
    }
}

TEST(RenderObject, TinyObjectsPaintWithoutTouchingMemoryOutsideThePicture) {
    for (int size : {1, 2, 5, 13, 25}) {
        for (int arrow = 0; arrow <= 11; ++arrow) {
            for (TObjectKind kind : {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note}) {
                TDemoObject object = MakeObject(kind, size, size);
                object.Option = arrow;
                object.Round = 40;
                object.Text = "Tiny";
                const std::optional<RgbaImage> rendered = RenderObject(object);
                ASSERT_TRUE(rendered.has_value());
                EXPECT_EQ(rendered->width, size);
            }
        }
    }
}

} // namespace
} // namespace vantora
