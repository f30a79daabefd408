// Fills (gradient, noise, texture) and the blend of a filled mask onto the canvas.

#include "render/text/aa_blend.h"
#include "render/text/aa_error.h"
#include "render/text/aa_fill.h"
#include "render/text/aa_font_ex.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace vantora {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

TAAGradual Gradient(TAAGradualStyle style, QRgb start = kWhite, QRgb end = kBlack) {
    TAAGradual gradual;
    gradual.Enabled = true;
    gradual.Style = style;
    gradual.StartColor = start;
    gradual.EndColor = end;
    return gradual;
}

constexpr QRgb kFontBlue = qRgb(0, 0, 200);

// Bold 40-pixel Arial in blue with the texture fill switched on.
void UseTexturedBlueArial(TAAFontEx& font) {
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(40);
    arial.setBold(true);
    font.SetFont(arial);
    font.Color = kFontBlue;
    font.Effect.Texture.Enabled = true;
}

// An "I" drawn at (5, 5) on a white 60 x 60 picture.
QImage LetterOnWhite(TAAFontEx& font) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(kWhite);
    TAACanvas canvas{&image, std::nullopt};
    font.TextOut(canvas, 5, 5, QStringLiteral("I"));
    return image;
}

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

std::vector<int> Reds(const std::vector<QRgb>& strip) {
    std::vector<int> reds;
    for (QRgb c : strip) {
        reds.push_back(qRed(c));
    }
    return reds;
}

TEST(AAGradient, LeftToRightRunsFromStartTowardEnd) {
    // Entry i = A + i x (B - A) / n, truncated toward zero: 255 - 63, 255 - 127, 255 - 191.
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsLeftToRight), 4)), (std::vector<int>{255, 192, 128, 64}));
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsTopToBottom), 4)), (std::vector<int>{255, 192, 128, 64}));
}

TEST(AAGradient, ReversedStylesRunFromEndTowardStart) {
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsRightToLeft), 4)), (std::vector<int>{0, 63, 127, 191}));
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsBottomToTop), 4)), (std::vector<int>{0, 63, 127, 191}));
}

TEST(AAGradient, CentreStylesShowTheEndColourAtBothEnds) {
    // n = (L + 1) div 2 entries from the end colour toward the start colour, mirrored.
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsCenterToLR), 5)), (std::vector<int>{0, 85, 170, 85, 0}));
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsCenterToTB), 4)), (std::vector<int>{0, 127, 127, 0}));
    EXPECT_EQ(Reds(GradientStrip(Gradient(TAAGradualStyle::gsCenterToLR), 1)), (std::vector<int>{0}));
    EXPECT_TRUE(GradientStrip(Gradient(TAAGradualStyle::gsCenterToLR), 0).empty());
}

TEST(AAGradient, ChannelsRunIndependently) {
    const auto strip = GradientStrip(Gradient(TAAGradualStyle::gsLeftToRight, qRgb(0, 100, 200), qRgb(200, 100, 0)), 2);
    EXPECT_EQ(strip[0], qRgb(0, 100, 200));
    EXPECT_EQ(strip[1], qRgb(100, 100, 100));
}

TEST(AAGradient, HorizontalStylesFillRowsVerticalStylesFillColumns) {
    QImage fill(3, 2, QImage::Format_RGB32);
    FillGradient(fill, Gradient(TAAGradualStyle::gsLeftToRight));
    EXPECT_EQ(fill.pixel(0, 1), kWhite);
    EXPECT_EQ(fill.pixel(2, 0), fill.pixel(2, 1));
    EXPECT_NE(fill.pixel(0, 0), fill.pixel(2, 0));
    FillGradient(fill, Gradient(TAAGradualStyle::gsBottomToTop));
    EXPECT_EQ(fill.pixel(0, 0), kBlack);
    EXPECT_EQ(fill.pixel(2, 0), kBlack);
    EXPECT_EQ(fill.pixel(1, 1), qRgb(127, 127, 127));
}

TEST(AANoise, FixedSeedGivesTheSameNoise) {
    QImage first(20, 10, QImage::Format_RGB32), second(20, 10, QImage::Format_RGB32);
    TAARandom a(99), b(99), c(100);
    FillNoise(first, qRgb(128, 128, 128), 255, a);
    FillNoise(second, qRgb(128, 128, 128), 255, b);
    EXPECT_EQ(first, second);
    FillNoise(second, qRgb(128, 128, 128), 255, c);
    EXPECT_NE(first, second);
}

TEST(AANoise, StaysWithinHalfTheAmplitudeAndClamps) {
    QImage fill(40, 40, QImage::Format_RGB32);
    TAARandom random(5);
    FillNoise(fill, qRgb(100, 250, 0), 40, random);
    int lowest = 255, highest = 0;
    for (int y = 0; y < fill.height(); ++y) {
        for (int x = 0; x < fill.width(); ++x) {
            const QRgb p = fill.pixel(x, y);
            lowest = std::min(lowest, qRed(p));
            highest = std::max(highest, qRed(p));
            EXPECT_GE(qGreen(p), 230);
            EXPECT_LE(qBlue(p), 19);
        }
    }
    EXPECT_EQ(lowest, 80);   // random 0 - 20
    EXPECT_EQ(highest, 119); // random 39 - 20
}

TEST(AANoise, AddNoiseWithZeroAmplitudeChangesNothing) {
    QImage fill(5, 5, QImage::Format_RGB32);
    fill.fill(qRgb(1, 2, 3));
    const QImage before = fill.copy();
    TAARandom random(1);
    AddNoise(fill, 0, random);
    EXPECT_EQ(fill, before);
    AddNoise(fill, 50, random);
    EXPECT_NE(fill, before);
}

QImage TwoByTwo() {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(9, 9, 9));
    return picture;
}

TEST(AATexture, ModesPlaceThePicture) {
    TAATexture texture;
    texture.Enabled = true;
    texture.Picture = TwoByTwo();
    QImage fill(5, 3, QImage::Format_RGB32);
    const QRgb background = qRgb(200, 200, 200);

    texture.Mode = TAATextureMode::tmTiled;
    FillTexture(fill, texture, background);
    EXPECT_EQ(fill.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(fill.pixel(3, 1), qRgb(9, 9, 9));
    EXPECT_EQ(fill.pixel(4, 2), qRgb(255, 0, 0));

    texture.Mode = TAATextureMode::tmNormal;
    FillTexture(fill, texture, background);
    EXPECT_EQ(fill.pixel(1, 1), qRgb(9, 9, 9));
    EXPECT_EQ(fill.pixel(2, 0), background);

    texture.Mode = TAATextureMode::tmCenter;
    FillTexture(fill, texture, background);
    EXPECT_EQ(fill.pixel(1, 0), qRgb(255, 0, 0)); // placed at ((5 - 2) / 2, (3 - 2) / 2) = (1, 0)
    EXPECT_EQ(fill.pixel(0, 0), background);

    texture.Mode = TAATextureMode::tmStretched;
    FillTexture(fill, texture, background);
    EXPECT_EQ(fill.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(fill.pixel(4, 2), qRgb(9, 9, 9));
}

TEST(AATexture, FillOfTheWrongKindIsAnInvalidForegroundBitmap) {
    TAAMask mask(4, 3);
    mask.Fill(255);
    QImage canvasImage(10, 10, QImage::Format_RGB32);
    canvasImage.fill(kWhite);
    TAACanvas canvas{&canvasImage, std::nullopt};
    const QImage wrongSize(5, 3, QImage::Format_RGB32);
    const QImage withAlpha(4, 3, QImage::Format_ARGB32);
    const QImage grey(4, 3, QImage::Format_Grayscale8);
    for (const QImage* fill : {&wrongSize, &withAlpha, &grey}) {
        try {
            TAABlend::BlendImage(canvas, mask, 0, 0, *fill, 100);
            FAIL() << "fill accepted";
        } catch (const TAAError& error) {
            EXPECT_STREQ(error.what(), "Invalid foreground bitmap!");
        }
    }
    EXPECT_EQ(canvasImage.pixel(0, 0), kWhite) << "nothing drawn before the check";
    QImage right(4, 3, QImage::Format_RGB32);
    right.fill(qRgb(1, 2, 3));
    TAABlend::BlendImage(canvas, mask, 0, 0, right, 100);
    EXPECT_EQ(canvasImage.pixel(3, 2), qRgb(1, 2, 3));
}

TEST(AATexture, EnabledWithoutPictureFallsBackToTheFontColour) {
    TAARandom random(1);
    TAAFontEx font(random);
    UseTexturedBlueArial(font);
    EXPECT_GT(CountPixels(LetterOnWhite(font), kFontBlue), 0);
}

TEST(AATexture, TexturedTextShowsThePictureWhereFullyCovered) {
    TAARandom random(1);
    TAAFontEx font(random);
    UseTexturedBlueArial(font);
    QImage red(1, 1, QImage::Format_RGB32);
    red.fill(qRgb(220, 0, 0));
    font.Effect.Texture.Picture = red;
    font.Effect.Gradual.Enabled = true; // the texture comes first
    const QImage image = LetterOnWhite(font);
    EXPECT_GT(CountPixels(image, qRgb(220, 0, 0)), 50);
    EXPECT_EQ(CountPixels(image, kFontBlue), 0);
}

// --- blending ---

TEST(AABlend, WeightDecidesBetweenFillPartialMixAndNothing) {
    TAAMask mask(4, 1);
    mask.SetValue(0, 0, 255); // w = 65280: the fill colour exactly
    mask.SetValue(1, 0, 128); // w >> 8 = 128: half way, rounded down
    mask.SetValue(2, 0, 1);   // w = 256: moves (-255 x 1) >> 8 = -1
    mask.SetValue(3, 0, 0);
    QImage image(4, 1, QImage::Format_RGB32);
    image.fill(kWhite);
    TAACanvas canvas{&image, std::nullopt};
    TAABlend::BlendColor(canvas, mask, 0, 0, qRgb(0, 0, 0), 100);
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(qRed(image.pixel(1, 0)), 255 + ((-255 * 128) >> 8));
    EXPECT_EQ(qRed(image.pixel(2, 0)), 254);
    EXPECT_EQ(image.pixel(3, 0), kWhite);
}

TEST(AABlend, CoverageBelowOneStepOfOpacityLeavesTheBackground) {
    TAAMask mask(1, 1);
    mask.SetValue(0, 0, 1);
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(kWhite);
    TAACanvas canvas{&image, std::nullopt};
    TAABlend::BlendColor(canvas, mask, 0, 0, kBlack, 99); // w = 1 x 253 < 256
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    mask.SetValue(0, 0, 255);
    TAABlend::BlendColor(canvas, mask, 0, 0, kBlack, 0);
    EXPECT_EQ(image.pixel(0, 0), kWhite) << "alpha 0 draws nothing";
}

TEST(AABlend, SolidBrushFillsTheRectangleFirst) {
    TAAMask mask(2, 2);
    mask.SetValue(0, 0, 255);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(kWhite);
    TAACanvas canvas{&image, qRgb(0, 255, 0)};
    TAABlend::BlendColor(canvas, mask, 1, 1, qRgb(255, 0, 0), 100);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    EXPECT_EQ(image.pixel(3, 3), kWhite);
}

TEST(AABlend, MasksPartlyOutsideTheCanvasAreClipped) {
    TAAMask mask(6, 6);
    mask.Fill(255);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(kWhite);
    TAACanvas canvas{&image, std::nullopt};
    TAABlend::BlendColor(canvas, mask, -3, 2, kBlack, 100);
    EXPECT_EQ(image.pixel(2, 3), kBlack);
    EXPECT_EQ(image.pixel(3, 3), kWhite);
    EXPECT_EQ(image.pixel(0, 1), kWhite);
    TAABlend::BlendColor(canvas, mask, 100, -100, kBlack, 100);
    TAABlend::BlendColor(canvas, mask, -6, -6, kBlack, 100);
    EXPECT_EQ(image.pixel(0, 0), kWhite);
}

} // namespace
} // namespace vantora
