// The anti-aliasing font: extents and coverage masks of one line, with and without rotation,
// and where text and shadow land on the canvas.

#include "render/text/aa_font_ex.h"
#include "render/text/aa_rotation.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace vantora {
namespace {

QFont ArialPixels(int pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int InkPixels(const TAAMask& mask) {
    int count = 0;
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            count += mask.Value(x, y) > 0;
        }
    }
    return count;
}

QRect InkBounds(const TAAMask& mask, int threshold = 0) {
    QRect bounds;
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.Value(x, y) > threshold) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

class AAFontExTest : public ::testing::Test {
protected:
    TAARandom random{1};
    TAAFontEx font{random};
};

TEST_F(AAFontExTest, MaskWithoutRotationHasTheLineExtent) {
    font.SetFont(ArialPixels(13));
    const QSize extent = font.TextExtent(QStringLiteral("New Note"));
    const TAAMask& mask = font.CoverageMask(QStringLiteral("New Note"));
    EXPECT_EQ(mask.Width(), extent.width());
    EXPECT_EQ(mask.Height(), extent.height());
    EXPECT_GE(extent.height(), 13);
    EXPECT_LE(extent.height(), 18);
    EXPECT_GT(extent.width(), 40);
    EXPECT_GT(InkPixels(mask), 50);
    // Anti-aliased: some pixels are partly covered, some fully.
    const QRect ink = InkBounds(mask);
    EXPECT_TRUE(ink.isValid());
    EXPECT_EQ(InkBounds(mask, 254).isValid(), true);
}

TEST_F(AAFontExTest, ExtentIsTheSameAtEveryQuality) {
    font.SetFont(ArialPixels(20));
    QSize sizes[4];
    const TAAQuality qualities[] = {TAAQuality::aqHigh, TAAQuality::aqNormal, TAAQuality::aqLow, TAAQuality::aqNone};
    for (int i = 0; i < 4; ++i) {
        font.SetQuality(qualities[i]);
        sizes[i] = font.CoverageMask(QStringLiteral("Quality")).Width() > 0 ? font.TextExtent(QStringLiteral("Quality")) : QSize();
    }
    for (int i = 1; i < 4; ++i) {
        EXPECT_NEAR(sizes[i].width(), sizes[0].width(), 2);
        EXPECT_NEAR(sizes[i].height(), sizes[0].height(), 1);
    }
}

TEST_F(AAFontExTest, RotationGivesTheBoundingBoxOfTheTurnedLine) {
    font.SetFont(ArialPixels(16));
    const QString text = QStringLiteral("Rotate me");
    const QSize plain = font.TextExtent(text);

    font.Effect.Angle = 90;
    const TAAMask& upright = font.CoverageMask(text);
    EXPECT_EQ(upright.Width(), plain.height());
    EXPECT_EQ(upright.Height(), plain.width());
    const QRect ink = InkBounds(upright);
    EXPECT_GT(ink.height(), 3 * ink.width()) << "a 90 degree line runs up the mask";

    font.Effect.Angle = 180;
    EXPECT_EQ(font.CoverageMask(text).Width(), plain.width());
    EXPECT_EQ(font.CoverageMask(text).Height(), plain.height());

    font.Effect.Angle = 45;
    const int diagonal = static_cast<int>(std::lround((plain.width() + plain.height()) / std::sqrt(2.0)));
    const TAAMask& turned = font.CoverageMask(text);
    EXPECT_NEAR(turned.Width(), diagonal, 1);
    EXPECT_NEAR(turned.Height(), diagonal, 1);
    EXPECT_EQ(font.TextExtent(text), QSize(turned.Width(), turned.Height()));

    font.Effect.Angle = 360;
    EXPECT_EQ(font.TextExtent(text), plain);
}

TEST(AARotation, CounterClockwiseTurnMovesTheOriginDown) {
    // Turned counter-clockwise by 90 degrees, the text's top-left corner ends at the bottom left.
    const TAARotatedBox box = RotatedTextBox(40, 10, 90);
    EXPECT_EQ(box.size, QSize(10, 40));
    EXPECT_NEAR(box.origin.x(), 0.0, 1e-9);
    EXPECT_NEAR(box.origin.y(), 40.0, 1e-9);
    const TAARotatedBox clockwise = RotatedTextBox(40, 10, -90);
    EXPECT_NEAR(clockwise.origin.x(), 10.0, 1e-9);
    EXPECT_NEAR(clockwise.origin.y(), 0.0, 1e-9);
    EXPECT_EQ(RotatedTextBox(40, 10, 0).origin, QPointF(0, 0));
}

TEST_F(AAFontExTest, ItalicWidensTheExtentByItsSlant) {
    const QString text = QStringLiteral("Slanted");
    font.SetFont(ArialPixels(20, false, true));
    TAARandom other(1);
    TAAFontEx upright(other);
    QFont uprightFont = ArialPixels(20);
    upright.SetFont(uprightFont);
    // Liberation Sans Italic has the regular face's advances; the slant adds 0.3 x the mean width.
    const int width = upright.TextExtent(text).width();
    EXPECT_EQ(font.TextExtent(text).width(), width + static_cast<int>(std::lround(0.3 * width / text.size())));
}

TEST_F(AAFontExTest, ShadowAddsItsOffsetsToTheExtent) {
    font.SetFont(ArialPixels(13));
    const QSize plain = font.TextExtent(QStringLiteral("Shadow"));
    font.Effect.Shadow.Enabled = true;
    font.Effect.Shadow.OffsetX = -3;
    font.Effect.Shadow.OffsetY = 5;
    EXPECT_EQ(font.TextExtent(QStringLiteral("Shadow")), plain + QSize(3, 5));
    font.Effect.Shadow.OffsetX = 100; // beyond the engine's range: taken as 20
    EXPECT_EQ(font.TextExtent(QStringLiteral("Shadow")).width(), plain.width() + 20);
}

TEST_F(AAFontExTest, AbsurdlyLargeDrawingGivesAnEmptyMask) {
    font.SetFont(ArialPixels(900));
    const QString longLine(400, u'W');
    EXPECT_TRUE(font.CoverageMask(longLine).Empty());
    QImage canvasImage(50, 50, QImage::Format_RGB32);
    canvasImage.fill(Qt::white);
    TAACanvas canvas{&canvasImage, std::nullopt};
    font.TextOut(canvas, 0, 0, longLine);
    EXPECT_EQ(canvasImage.pixel(10, 10), qRgb(255, 255, 255));
}

// --- text and shadow on the canvas ---

QImage WhiteCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int FirstColumnWhere(const QImage& image, const std::function<bool(QRgb)>& test) {
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (test(image.pixel(x, y))) {
                return x;
            }
        }
    }
    return -1;
}

TEST_F(AAFontExTest, FullyCoveredPixelsTakeExactlyTheFontColour) {
    font.SetFont(ArialPixels(40, true));
    font.Color = qRgb(10, 200, 30);
    QImage image = WhiteCanvas(60, 60);
    TAACanvas canvas{&image, std::nullopt};
    font.TextOut(canvas, 5, 5, QStringLiteral("I"));
    EXPECT_NE(FirstColumnWhere(image, [](QRgb p) { return p == qRgb(10, 200, 30); }), -1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(59, 59), qRgb(255, 255, 255));
}

TEST_F(AAFontExTest, NegativeShadowOffsetMovesTheTextInstead) {
    font.SetFont(ArialPixels(30, true));
    font.Color = qRgb(0, 255, 0);
    QImage alone = WhiteCanvas(80, 60);
    TAACanvas aloneCanvas{&alone, std::nullopt};
    font.TextOut(aloneCanvas, 10, 10, QStringLiteral("I"));
    const int textColumn = FirstColumnWhere(alone, [](QRgb p) { return p != qRgb(255, 255, 255); });
    ASSERT_GE(textColumn, 10);

    font.Effect.Shadow.Enabled = true;
    font.Effect.Shadow.Blur = 0;
    font.Effect.Shadow.Color = qRgb(255, 0, 0);
    font.Effect.Shadow.OffsetX = -3;
    font.Effect.Shadow.OffsetY = 0;
    QImage image = WhiteCanvas(80, 60);
    TAACanvas canvas{&image, std::nullopt};
    font.TextOut(canvas, 10, 10, QStringLiteral("I"));
    const int shadowColumn = FirstColumnWhere(image, [](QRgb p) { return qBlue(p) < 250 && qGreen(p) < qRed(p); });
    const int greenColumn = FirstColumnWhere(image, [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 50; });
    EXPECT_EQ(shadowColumn, textColumn) << "the shadow stays at the given x";
    EXPECT_EQ(greenColumn, FirstColumnWhere(alone, [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 50; }) + 3);
}

int DarkestRed(const QImage& image) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            darkest = std::min(darkest, qRed(image.pixel(x, y)));
        }
    }
    return darkest;
}

TEST_F(AAFontExTest, ShadowOpacityIsTextAlphaTimesShadowAlpha) {
    // White text on white: only the black shadow shows. A fully covered shadow pixel at 70 %
    // moves white 178/256 of the way to black; at 50 % text alpha the shadow is at 35 %.
    font.SetFont(ArialPixels(40, true));
    font.Color = qRgb(255, 255, 255);
    font.Effect.Shadow.Enabled = true;
    font.Effect.Shadow.Blur = 0;
    font.Effect.Shadow.Color = qRgb(0, 0, 0);
    font.Effect.Shadow.OffsetX = 6;
    font.Effect.Shadow.OffsetY = 6;
    QImage image = WhiteCanvas(80, 80);
    TAACanvas canvas{&image, std::nullopt};
    font.TextOut(canvas, 5, 5, QStringLiteral("I"));
    EXPECT_EQ(DarkestRed(image), 255 - 178);

    font.Effect.Alpha = 50;
    image = WhiteCanvas(80, 80);
    canvas.bitmap = &image;
    font.TextOut(canvas, 5, 5, QStringLiteral("I"));
    EXPECT_EQ(DarkestRed(image), 255 - 88);
}

TEST_F(AAFontExTest, SolidBrushPaintsUnderTheShadowButNotOverIt) {
    font.SetFont(ArialPixels(30, true));
    font.Color = qRgb(0, 0, 255);
    font.Effect.Shadow.Enabled = true;
    font.Effect.Shadow.Blur = 0;
    font.Effect.Shadow.OffsetX = 4;
    font.Effect.Shadow.OffsetY = 4;
    QImage image = WhiteCanvas(80, 80);
    TAACanvas canvas{&image, qRgb(255, 255, 0)};
    font.TextOut(canvas, 0, 0, QStringLiteral("I"));
    EXPECT_EQ(image.pixel(4, 4), qRgb(255, 255, 0)) << "brush under the shadow's rectangle";
    EXPECT_EQ(image.pixel(79, 79), qRgb(255, 255, 255)) << "nothing outside the extent";
    EXPECT_NE(FirstColumnWhere(image, [](QRgb p) { return p == qRgb(0, 0, 255); }), -1);
    ASSERT_TRUE(canvas.brush.has_value()) << "the brush is restored after the text";
    EXPECT_EQ(*canvas.brush, qRgb(255, 255, 0));
}

} // namespace
} // namespace vantora
