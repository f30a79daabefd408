// Image and cursor pictures: transparency by format and mode, quarter turns, mirrors.

#include "render/builtin_cursors.h"
#include "render/image_conversion.h"
#include "render/natural_size.h"
#include "render/object_renderer.h"
#include "render/picture_conversion.h"
#include "render_test_support.h"

#include "model/screen_shot_scenes.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"

#include <gtest/gtest.h>

#include <set>

namespace vantora {
namespace {

using test::AlphaAt;
using test::MakeObject;
using test::Painted;

constexpr std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;

// 3 x 2: the bottom-left pixel is blue, one more blue pixel at (2, 0), the rest green, one red.
RgbaImage keyedPicture() {
    RgbaImage image = test::SolidImage(3, 2, kGreen);
    image.pixel(0, 1) = kBlue;
    image.pixel(2, 0) = kBlue;
    image.pixel(1, 0) = kRed;
    return image;
}

TDemoObject imageObject(Picture picture) {
    TDemoObject o = MakeObject(TObjectKind::Image, 10, 10);
    o.Picture = std::move(picture);
    return o;
}

TEST(BitmapTransparency, AutoModeClearsExactlyThePixelsOfTheBottomLeftColour) {
    TDemoObject o = imageObject(Picture(PictureFormat::Bitmap, test::BmpBytes(keyedPicture())));
    o.BitmapTransparent = true;
    o.BitmapTransparentMode = 0;
    const QImage p = Painted(o);
    ASSERT_EQ(p.size(), QSize(3, 2)); // the picture's own size, not the object's
    EXPECT_EQ(AlphaAt(p, 0, 1), 0);
    EXPECT_EQ(AlphaAt(p, 2, 0), 0);
    EXPECT_EQ(AlphaAt(p, 1, 0), 255);
    EXPECT_EQ(AlphaAt(p, 1, 1), 255);
}

TEST(BitmapTransparency, ColourModeClearsTheGivenColourInstead) {
    TDemoObject o = imageObject(Picture(PictureFormat::Bitmap, test::BmpBytes(keyedPicture())));
    o.BitmapTransparent = true;
    o.BitmapTransparentMode = 1;
    o.BitmapTransparentColor = RGB(255, 0, 0);
    const QImage p = Painted(o);
    EXPECT_EQ(AlphaAt(p, 1, 0), 0);
    EXPECT_EQ(AlphaAt(p, 0, 1), 255);
    EXPECT_EQ(AlphaAt(p, 2, 0), 255);
}

TEST(BitmapTransparency, OffMeansFullyOpaque) {
    TDemoObject o = imageObject(Picture(PictureFormat::Bitmap, test::BmpBytes(keyedPicture())));
    o.BitmapTransparent = false;
    const QImage p = Painted(o);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(AlphaAt(p, x, y), 255);
}

TEST(PictureFormats, JpegIsAlwaysOpaqueAndIgnoresBitmapTransparency) {
    const std::vector<std::uint8_t> jpeg = encodeJpeg(test::SolidImage(8, 8, kBlue), 90);
    ASSERT_FALSE(jpeg.empty());
    TDemoObject o = imageObject(Picture(PictureFormat::Jpeg, jpeg));
    o.BitmapTransparent = true;
    const QImage p = Painted(o);
    ASSERT_EQ(p.size(), QSize(8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(AlphaAt(p, x, y), 255);
}

TEST(PictureFormats, PngKeepsPartialAlphaAndOtherFormatsGetNone) {
    RgbaImage soft = test::SolidImage(2, 1, kGreen);
    soft.pixel(1, 0) = 0x80FF0000u;
    const QImage png = ConvertPicture(Picture(PictureFormat::Png, encodePng(soft)), {}, false, false, 0);
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(qAlpha(png.pixel(1, 0)), 0x80);
    EXPECT_EQ(qRed(png.pixel(1, 0)), 255); // straight alpha: colour kept at full strength
    for (PictureFormat format : {PictureFormat::Gif, PictureFormat::Icon}) {
        RgbaImage copy = soft;
        copy.pixel(0, 0) = 0xFE00FF00u; // nearly opaque still counts as see-through
        const QImage converted = ConvertDecodedPicture(std::move(copy), format, {}, false, false, 0);
        EXPECT_EQ(qAlpha(converted.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(converted.pixel(1, 0)), 0);
    }
}

TEST(PictureFormats, EmptyDamagedAndMetafilePicturesGiveNothing) {
    EXPECT_TRUE(Painted(imageObject(Picture())).isNull());
    EXPECT_TRUE(Painted(imageObject(Picture(PictureFormat::Png, {0x89, 'P', 'N', 'G', 1, 2, 3}))).isNull());
    EXPECT_TRUE(Painted(imageObject(Picture(PictureFormat::Metafile, {1, 2, 3, 4}))).isNull());
    EXPECT_FALSE(RenderObject(imageObject(Picture())).has_value());
}

// A picture whose every pixel value names its source position, to follow pixel moves.
QImage numbered(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(x, y, 7, 255));
    return image;
}

QPoint sourceOf(const QImage& image, int x, int y) { return {qRed(image.pixel(x, y)), qGreen(image.pixel(x, y))}; }

TEST(QuarterTurns, NinetyTurnsClockwiseAndSwapsTheSize) {
    const QImage turned = TurnQuarters(numbered(100, 50), 90);
    ASSERT_EQ(turned.size(), QSize(50, 100));
    // Source (x, y) lands on (oldHeight - 1 - y, x).
    EXPECT_EQ(sourceOf(turned, 49 - 0, 0), QPoint(0, 0));
    EXPECT_EQ(sourceOf(turned, 49 - 10, 30), QPoint(30, 10));
    EXPECT_EQ(sourceOf(turned, 0, 99), QPoint(99, 49));
}

TEST(QuarterTurns, OneEightyAndTwoSeventyAreRepeatedQuarterTurns) {
    const QImage source = numbered(6, 4);
    const QImage half = TurnQuarters(source, 180);
    ASSERT_EQ(half.size(), QSize(6, 4));
    EXPECT_EQ(sourceOf(half, 0, 0), QPoint(5, 3));
    EXPECT_EQ(sourceOf(half, 5, 3), QPoint(0, 0));
    const QImage threeQuarters = TurnQuarters(source, 270);
    EXPECT_EQ(threeQuarters, TurnQuarters(TurnQuarters(TurnQuarters(source, 90), 90), 90));
    EXPECT_EQ(sourceOf(threeQuarters, 0, 0), QPoint(5, 0)); // counter-clockwise quarter
}

TEST(QuarterTurns, OtherAnglesLeaveThePictureUnturned) {
    const QImage source = numbered(100, 50);
    for (int angle : {45, -90, 360, 1000})
        EXPECT_EQ(TurnQuarters(source, angle), source) << angle;
}

TEST(Mirrors, EvenWidthSwapsEveryColumnWithItsPartnerIncludingTheMiddleTwo) {
    const QImage mirrored = MirrorPicture(numbered(4, 2), true, false);
    EXPECT_EQ(sourceOf(mirrored, 0, 1), QPoint(3, 1));
    EXPECT_EQ(sourceOf(mirrored, 1, 1), QPoint(2, 1));
    EXPECT_EQ(sourceOf(mirrored, 2, 1), QPoint(1, 1));
    const QImage flipped = MirrorPicture(numbered(4, 3), false, true);
    EXPECT_EQ(sourceOf(flipped, 1, 0), QPoint(1, 2));
    EXPECT_EQ(sourceOf(flipped, 1, 1), QPoint(1, 1));
}

TEST(Mirrors, AlphaTravelsWithColourAndTurnsComeFirst) {
    RgbaImage source = keyedPicture(); // 3 x 2
    TDemoObject o = imageObject(Picture(PictureFormat::Bitmap, test::BmpBytes(source)));
    o.BitmapTransparent = true;
    o.Angle = 90;
    o.HorzMirror = true;
    const QImage p = Painted(o);
    ASSERT_EQ(p.size(), QSize(2, 3));
    // Turned: (x, y) -> (1 - y, x); mirrored: column c -> 1 - c. So (x, y) -> (y, x).
    EXPECT_EQ(AlphaAt(p, 1, 0), 0);   // source (0, 1), the key colour
    EXPECT_EQ(AlphaAt(p, 0, 2), 0);   // source (2, 0), also blue
    EXPECT_EQ(p.pixel(0, 1), 0xFFFF0000u); // source (1, 0), red and opaque
}

TEST(CursorPainter, CustomWithoutPictureShowsTheArrow) {
    TDemoObject cursor = MakeObject(TObjectKind::Cursor, 5, 5);
    cursor.Style = static_cast<int>(TCursorType::Custom);
    EXPECT_EQ(Painted(cursor), BuiltinCursor(TCursorType::Arrow));
    cursor.Style = 99; // unknown type: the Arrow as well
    EXPECT_EQ(Painted(cursor), BuiltinCursor(TCursorType::Arrow));
}

TEST(CursorPainter, CustomBitmapUsesTheObjectsTransparencyAndTurns) {
    TDemoObject cursor = MakeObject(TObjectKind::Cursor, 5, 5);
    cursor.Style = 0;
    cursor.Picture = Picture(PictureFormat::Bitmap, test::BmpBytes(keyedPicture()));
    cursor.BitmapTransparent = true;
    cursor.Angle = 270;
    const QImage p = Painted(cursor);
    ASSERT_EQ(p.size(), QSize(2, 3));
    int clear = 0;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            clear += AlphaAt(p, x, y) == 0;
    EXPECT_EQ(clear, 2);
}

TEST(BuiltinCursors, NineteenDistinctBlackAndWhitePicturesWithHardEdges) {
    std::set<QByteArray> seen;
    for (int type = 1; type <= 19; ++type) {
        const QImage cursor = BuiltinCursor(static_cast<TCursorType>(type));
        ASSERT_EQ(cursor.size(), QSize(32, 32)) << type;
        int black = 0, white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb p = cursor.pixel(x, y);
                ASSERT_TRUE(qAlpha(p) == 0 || qAlpha(p) == 255) << type;
                if (qAlpha(p) == 255) {
                    ASSERT_TRUE((p & 0xFFFFFFu) == 0 || (p & 0xFFFFFFu) == 0xFFFFFFu) << type;
                    ((p & 0xFFFFFFu) == 0 ? black : white) += 1;
                }
            }
        }
        EXPECT_GT(black, 10) << type;
        EXPECT_GT(white, 10) << type; // every shape is outlined in the opposite tone
        seen.insert(QByteArray(reinterpret_cast<const char*>(cursor.constBits()), int(cursor.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 19u);
}

// The topmost, then leftmost, opaque pixel: where an arrow's tip is.
QPoint FirstOpaquePixel(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                return {x, y};
    return {-1, -1};
}

// The pointers built on the arrow have its tip at the hot spot, with nothing above or left of it.
TEST(BuiltinCursors, ArrowPointersHaveTheirTipAtTheHotSpot) {
    for (const TCursorType type : {TCursorType::Arrow, TCursorType::AppStart, TCursorType::Drag, TCursorType::Help,
                                   TCursorType::MultiDrag, TCursorType::NoDrop}) {
        const QImage cursor = BuiltinCursor(type);
        EXPECT_EQ(FirstOpaquePixel(cursor), QPoint(kArrowTipX, kArrowTipY)) << static_cast<int>(type);
        for (int y = 0; y < cursor.height(); ++y)
            for (int x = 0; x < kArrowTipX; ++x)
                ASSERT_EQ(qAlpha(cursor.pixel(x, y)), 0) << static_cast<int>(type) << " at " << x << "," << y;
    }
}

// A click turned into scenes: the cursor that goes there is drawn with its tip on the click.
TEST(BuiltinCursors, TheCursorOfAClickPointsAtTheClick) {
    TVantora demo;
    demo.Width = 640;
    demo.Height = 480;
    TShotEvent click;
    click.X = 200;
    click.Y = 150;
    const std::vector<TScreenShot> shots{{{0xFF, 0xD8}, {}}, {{0xFF, 0xD8}, {click}}};
    const auto scenes = BuildScreenShotScenes(demo, shots, {});
    ASSERT_EQ(scenes.size(), 2u);
    for (const auto& scene : scenes) {
        const TDemoObject* last = nullptr;
        for (const auto& object : scene->Objects)
            if (object->Kind == TObjectKind::Cursor)
                last = object.get();
        ASSERT_NE(last, nullptr);
        // The clicked scene's last cursor goes to the click; the next scene's rests there.
        EXPECT_EQ(QPoint(last->Left, last->Top) + FirstOpaquePixel(Painted(*last)), QPoint(200, 150));
    }
}

TEST(NaturalSize, CursorsTakeTheirPicturesSizeAndSoundsTheIcons) {
    TDemoObject cursor = MakeObject(TObjectKind::Cursor, 5, 5);
    cursor.Style = static_cast<int>(TCursorType::Arrow);
    EXPECT_EQ(NaturalSize(cursor), (NaturalObjectSize{32, 32}));
    // A custom picture turned a quarter counts with its turned size.
    cursor.Style = 0;
    cursor.Picture = Picture(PictureFormat::Bitmap, test::BmpBytes(keyedPicture()));
    cursor.Angle = 90;
    const QImage turned = Painted(cursor);
    EXPECT_EQ(NaturalSize(cursor), (NaturalObjectSize{turned.width(), turned.height()}));
    TakeNaturalSize(cursor);
    EXPECT_EQ(QSize(cursor.Width, cursor.Height), turned.size());

    TDemoObject sound = MakeObject(TObjectKind::Audio, 0, 0);
    TakeNaturalSize(sound);
    EXPECT_EQ(std::pair(sound.Width, sound.Height), std::pair(32, 32));

    TDemoObject shape = MakeObject(TObjectKind::Shape, 0, 0);
    shape.Width = 70;
    EXPECT_FALSE(NaturalSize(shape));
    TakeNaturalSize(shape);
    EXPECT_EQ(shape.Width, 70);
}

TEST(BuiltinCursors, CursorObjectsTakeTheirMirrorsAndTurns) {
    TDemoObject cursor = MakeObject(TObjectKind::Cursor, 32, 32);
    cursor.Style = static_cast<int>(TCursorType::Arrow);
    cursor.HorzMirror = true;
    EXPECT_EQ(Painted(cursor), MirrorPicture(BuiltinCursor(TCursorType::Arrow), true, false));
}

TEST(ImageConversion, RgbaImagesAndQImagesShareTheirLayout) {
    RgbaImage image = test::SolidImage(3, 2, 0x80112233u);
    QImage wrapped = WrapRgbaImage(image);
    ASSERT_EQ(wrapped.constBits(), reinterpret_cast<const uchar*>(image.pixels.data()));
    EXPECT_EQ(wrapped.pixel(2, 1), 0x80112233u);
    wrapped.setPixel(0, 0, 0xFF445566u);
    EXPECT_EQ(image.pixel(0, 0), 0xFF445566u);
    const RgbaImage back = ToRgbaImage(wrapped);
    EXPECT_EQ(back.pixels, image.pixels);
    const uchar* before = reinterpret_cast<const uchar*>(image.pixels.data());
    const QImage adopted = AdoptRgbaImage(std::move(image));
    EXPECT_EQ(adopted.constBits(), before);
    EXPECT_TRUE(AdoptRgbaImage(RgbaImage{}).isNull());
    EXPECT_TRUE(WrapRgbaImage(*std::make_unique<RgbaImage>(RgbaImage{2, 2, {}})).isNull()); // inconsistent size
}

} // namespace
} // namespace vantora
