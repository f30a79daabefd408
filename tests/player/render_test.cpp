// Pictures of movies written by our SWF library, checked at probe points: shapes and their fills,
// lines, bitmaps, placements with matrices and colour transforms, depth order, removal, masks.
#include "player_test_support.h"

#include "swf/colors.h"
#include "swf/image.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/shape_records.h"
#include "swf/sprite.h"

#include <QBuffer>

using namespace player_test;

namespace {

constexpr swf::TColor kRed = 0x0000ff, kGreen = 0x00ff00, kBlue = 0xff0000;

// The first frame of a rectangle from the origin to (width, height) at depth 1, showing `image`
// laid in as `kind`, each picture pixel `scale` stage pixels.
QImage BitmapFilledFrame(swf::TFlashMovie& movie, swf::TFlashImage* image, int32_t width, int32_t height,
                         swf::TImageFillKind kind, double scale = 1.0) {
    auto* shape = movie.AddRectangle(0, 0, width, height);
    shape->SetImageFill(image, kind, scale, scale);
    movie.PlaceObject(shape, 1);
    movie.ShowFrame();
    return FirstFrame(movie);
}

swf::TFlashImage* PixelImage(swf::TFlashMovie& movie, const swf::TPixelBuffer& pixels) {
    auto* image = movie.AddImage();
    image->LoadFromPixels(pixels);
    return image;
}

} // namespace

TEST(PlayerRender, BackgroundAndSolidRectangleInsideAndOutside) {
    auto movie = NewMovie();
    movie->BackgroundColor() = swf::SWFRGB(kBlue);
    movie->AddRectangle(10, 10, 50, 40)->SetSolidColor(kRed);
    movie->PlaceObject(movie->Shapes().back(), 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    ASSERT_EQ(frame.size(), QSize(100, 80));
    EXPECT_TRUE(PixelNear(frame, 30, 25, 0xff0000, 0));
    EXPECT_TRUE(PixelNear(frame, 11, 11, 0xff0000, 0)); // just inside the corner
    EXPECT_TRUE(PixelNear(frame, 8, 25, 0x0000ff, 0));  // left of it
    EXPECT_TRUE(PixelNear(frame, 30, 42, 0x0000ff, 0)); // below it
}

TEST(PlayerRender, PlainAndCompressedFilesGiveTheSamePicture) {
    QImage pictures[2];
    for (int compressed = 0; compressed < 2; ++compressed) {
        auto movie = NewMovie(100, 80, compressed == 1);
        movie->AddEllipse(20, 10, 80, 70)->SetSolidColor(kGreen);
        movie->PlaceObject(movie->Shapes().back(), 1);
        movie->ShowFrame();
        pictures[compressed] = FirstFrame(*movie);
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_TRUE(PixelNear(pictures[0], 50, 40, 0x00ff00, 0));
    EXPECT_TRUE(PixelNear(pictures[0], 22, 12, 0xffffff, 0)); // the ellipse leaves its corners
}

TEST(PlayerRender, DepthOrderMatrixAndRemoval) {
    auto movie = NewMovie();
    auto* low = movie->AddRectangle(0, 0, 40, 40);
    low->SetSolidColor(kRed);
    auto* high = movie->AddRectangle(0, 0, 20, 20);
    high->SetSolidColor(kGreen);
    movie->PlaceObject(high, 5)->SetTranslate(10, 10);
    movie->PlaceObject(low, 2);
    movie->ShowFrame();
    movie->RemoveObject(5);
    auto* scaled = movie->PlaceObject(low, 7);
    scaled->SetTranslate(50, 0);
    scaled->SetScale(0.5, 2.0);
    movie->ShowFrame();

    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    ASSERT_EQ(p.TotalFrames(), 2);
    QImage first = p.RenderFrame();
    EXPECT_TRUE(PixelNear(first, 15, 15, 0x00ff00, 0)); // the deeper object is on top
    EXPECT_TRUE(PixelNear(first, 35, 35, 0xff0000, 0));
    p.Tick();
    QImage second = p.RenderFrame();
    EXPECT_TRUE(PixelNear(second, 15, 15, 0xff0000, 0)); // removed
    EXPECT_TRUE(PixelNear(second, 60, 70, 0xff0000, 0)); // 20 wide, 80 tall from x = 50
    EXPECT_TRUE(PixelNear(second, 75, 10, 0xffffff, 0));
}

TEST(PlayerRender, ColourTransformsMultiplyAddAndFade) {
    auto movie = NewMovie();
    auto* shape = movie->AddRectangle(0, 0, 20, 20);
    shape->SetSolidColor(0x808080); // grey 128
    auto* halfRed = movie->PlaceObject(shape, 1);
    halfRed->ColorTransform().SetMultG(0);
    halfRed->ColorTransform().SetMultB(0);
    auto* lighter = movie->PlaceObject(shape, 2);
    lighter->SetTranslate(30, 0);
    lighter->ColorTransform().SetAddR(100);
    lighter->ColorTransform().SetAddG(-128);
    auto* faded = movie->PlaceObject(shape, 3);
    faded->SetTranslate(60, 0);
    faded->ColorTransform().SetMultA(128);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 10, 10, 0x800000, 1));
    EXPECT_TRUE(PixelNear(frame, 40, 10, 0xe40080, 1)); // 128 + 100, 128 - 128, 128
    EXPECT_TRUE(PixelNear(frame, 70, 10, 0xbfbfbf, 2)); // half of grey over white
}

TEST(PlayerRender, LinesAreStrokedWithTheirWidthAndColour) {
    auto movie = NewMovie();
    auto* line = movie->AddLine(10, 40, 90, 40);
    line->SetLineStyle(4, kBlue);
    movie->PlaceObject(line, 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 50, 40, 0x0000ff, 0));
    EXPECT_TRUE(PixelNear(frame, 50, 38, 0x0000ff, 8));
    EXPECT_TRUE(PixelNear(frame, 50, 44, 0xffffff, 0));
}

TEST(PlayerRender, LosslessBitmapWithAlphaThroughABitmapFill) {
    // 2 x 2 pixels: red, green / blue, half-transparent black.
    const uint8_t rgba[] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 0, 128};
    swf::TPixelBuffer pixels{rgba, 2, 2, 8, swf::TPixelLayout::RGBA32};
    auto movie = NewMovie();
    const QImage frame =
        BitmapFilledFrame(*movie, PixelImage(*movie, pixels), 40, 40, swf::TImageFillKind::Stretched, 20);
    EXPECT_TRUE(PixelNear(frame, 5, 5, 0xff0000, 2));
    EXPECT_TRUE(PixelNear(frame, 35, 5, 0x00ff00, 2));
    EXPECT_TRUE(PixelNear(frame, 5, 35, 0x0000ff, 2));
    EXPECT_TRUE(PixelNear(frame, 35, 35, 0x7f7f7f, 3)); // black at alpha 128 over white
}

TEST(PlayerRender, AClippedBitmapFillShowsItsPictureOnceInALargerShape) {
    // 4 x 4 pixels: a red 2 x 2 middle in a clear border, as a pointer picture is drawn.
    uint8_t rgba[4 * 4 * 4] = {};
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) {
            uint8_t* pixel = rgba + (y * 4 + x) * 4;
            pixel[0] = 255;
            pixel[3] = 255;
        }
    swf::TPixelBuffer pixels{rgba, 4, 4, 16, swf::TPixelLayout::RGBA32};
    auto movie = NewMovie(100, 100);
    const QImage frame =
        BitmapFilledFrame(*movie, PixelImage(*movie, pixels), 100, 100, swf::TImageFillKind::Clipped, 5);
    EXPECT_TRUE(PixelNear(frame, 10, 10, 0xff0000, 2));
    EXPECT_TRUE(PixelNear(frame, 2, 2, 0xffffff, 2));
    // Where a repeating fill would show the picture again, the clipped one shows the stage.
    for (int at : {30, 50, 70, 90}) {
        EXPECT_TRUE(PixelNear(frame, at, 10, 0xffffff, 2)) << at;
        EXPECT_TRUE(PixelNear(frame, 10, at, 0xffffff, 2)) << at;
        EXPECT_TRUE(PixelNear(frame, at, at, 0xffffff, 2)) << at;
    }
}

TEST(PlayerRender, ARepeatingBitmapFillTilesTheShape) {
    const uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 255};
    swf::TPixelBuffer pixels{rgba, 2, 1, 8, swf::TPixelLayout::RGBA32};
    auto movie = NewMovie();
    const QImage frame =
        BitmapFilledFrame(*movie, PixelImage(*movie, pixels), 80, 20, swf::TImageFillKind::Repeating, 10);
    EXPECT_TRUE(PixelNear(frame, 5, 10, 0xff0000, 2));
    EXPECT_TRUE(PixelNear(frame, 15, 10, 0x0000ff, 2));
    EXPECT_TRUE(PixelNear(frame, 45, 10, 0xff0000, 2));
    EXPECT_TRUE(PixelNear(frame, 75, 10, 0x0000ff, 2));
}

TEST(PlayerRender, GradientFillRunsBetweenItsStops) {
    auto movie = NewMovie();
    auto* shape = movie->AddRectangle(0, 0, 100, 80);
    auto gradient = std::make_unique<swf::TSWFGradientFill>(0x10);
    gradient->Records.push_back({0, {}});
    gradient->Records.back().Color.Red = 255;
    gradient->Records.push_back({255, {}});
    gradient->Records.back().Color.Blue = 255;
    // The gradient square (32768 twips) scaled onto the 100-pixel width, centred.
    gradient->Matrix.SetScale(2000.0 / 32768, 1);
    gradient->Matrix.SetTranslate(1000, 800);
    shape->AddFillStyle(std::move(gradient));
    movie->PlaceObject(shape, 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 1, 40, 0xff0000, 8));
    EXPECT_TRUE(PixelNear(frame, 98, 40, 0x0000ff, 8));
    const QRgb middle = frame.pixel(50, 40);
    EXPECT_NEAR(qRed(middle), 128, 12);
    EXPECT_NEAR(qBlue(middle), 128, 12);
}

TEST(PlayerRender, JpegBitmapIsDecoded) {
    // A 16 x 16 JPEG made by Qt: mid grey.
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grey.save(&buffer, "JPEG", 95));
    auto movie = NewMovie();
    auto* image = movie->AddImage();
    image->LoadFromJPEGStream(std::vector<uint8_t>(jpeg.begin(), jpeg.end()));
    const QImage frame = BitmapFilledFrame(*movie, image, 16, 16, swf::TImageFillKind::Clipped);
    EXPECT_TRUE(PixelNear(frame, 8, 8, 0x808080, 4));
    EXPECT_TRUE(PixelNear(frame, 30, 30, 0xffffff, 0));
}

TEST(PlayerRender, SpriteContentsAreDrawnWithTheSpritePlacement) {
    auto movie = NewMovie();
    auto* dot = movie->AddRectangle(0, 0, 10, 10);
    dot->SetSolidColor(kRed);
    auto* sprite = movie->AddSprite(dot);
    sprite->ShowFrame();
    auto* placed = movie->PlaceObject(sprite, 1);
    placed->SetTranslate(40, 30);
    placed->ColorTransform().SetMultR(0);
    placed->ColorTransform().SetAddB(255);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 45, 35, 0x0000ff, 0));
    EXPECT_TRUE(PixelNear(frame, 5, 5, 0xffffff, 0));
}

TEST(PlayerRender, ClipLayerShowsTheObjectsBelowOnlyInsideIt) {
    auto movie = NewMovie();
    auto* mask = movie->AddRectangle(0, 0, 50, 80);
    mask->SetSolidColor(kGreen);
    auto* fill = movie->AddRectangle(0, 0, 100, 80);
    fill->SetSolidColor(kRed);
    movie->PlaceObject(mask, 1)->SetClipDepth(2);
    movie->PlaceObject(fill, 2);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 25, 40, 0xff0000, 0)); // red inside, and the mask itself unseen
    EXPECT_TRUE(PixelNear(frame, 75, 40, 0xffffff, 0));
}

TEST(PlayerRender, RenderScalesTheStageToTheTarget) {
    auto movie = NewMovie();
    movie->AddRectangle(0, 0, 50, 40)->SetSolidColor(kRed);
    movie->PlaceObject(movie->Shapes().back(), 1);
    movie->ShowFrame();
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(*movie));
    QImage big(200, 160, QImage::Format_ARGB32_Premultiplied);
    p.Render(big);
    EXPECT_TRUE(PixelNear(big, 95, 75, 0xff0000, 0));
    EXPECT_TRUE(PixelNear(big, 105, 85, 0xffffff, 0));
}
