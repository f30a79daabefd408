// Pictures in the movie: premultiplied pixel data, one bitmap per distinct picture, the scene
// background as a quality-100 JPEG work file, JPEG images passed through unchanged.

#include "movie/background_pipeline.h"
#include "movie/bitmap_conversion.h"
#include "base/helper_threads.h"
#include "movie/scene_background.h"
#include "movie/scene_plan.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"

#include "movie_test_support.h"

#include "swf/image.h"
#include "swf/movie.h"
#include "swf/shape.h"

#include <QImage>

#include <optional>

namespace vantora::test {
namespace {

RgbaImage Filled(int width, int height, std::uint32_t argb) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, argb);
    return image;
}

class Bitmaps : public MovieTest {};

TEST_F(Bitmaps, PixelsReachTheMoviePremultipliedByAlpha) {
    swf::TFlashMovie movie(0, 0, 200, 200, 20, true);
    movie.SetVersion(6);
    BitmapConverter converter(movie);
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 100, 0, 128));
    picture.setPixel(1, 0, qRgba(10, 20, 30, 0));
    swf::TFlashImage* image = converter.FromPicture(picture);
    ASSERT_NE(image, nullptr);
    swf::TFlashShape* shape = movie.AddRectangle(0, 0, 1, 0);
    shape->SetImageFill(image, swf::TImageFillKind::Clipped);
    movie.PlaceObject(shape, 1);
    movie.ShowFrame();
    movie.MakeStream();
    const auto file = home_.path() / "pixels.swf";
    movie.SaveToFile(file);
    const SwfSummary parsed = checkSwf(file);
    const SwfTag* bitmap = parsed.find(36);
    ASSERT_NE(bitmap, nullptr);
    // A, R, G, B per pixel; colour scaled by alpha, and a transparent pixel all zero.
    EXPECT_EQ(bitmap->text("pixels"), "80803200" "00000000");
    EXPECT_EQ(bitmap->integer("notPremultiplied"), 0);
}

TEST_F(Bitmaps, EqualPicturesShareOneBitmap) {
    swf::TFlashMovie movie(0, 0, 200, 200, 20, true);
    BitmapConverter converter(movie);
    QImage a(4, 4, QImage::Format_ARGB32);
    a.fill(qRgba(1, 2, 3, 255));
    QImage b = a.copy();
    QImage c = a.copy();
    c.setPixel(3, 3, qRgba(1, 2, 4, 255));
    EXPECT_EQ(converter.FromPicture(a), converter.FromPicture(b));
    EXPECT_NE(converter.FromPicture(a), converter.FromPicture(c));
    EXPECT_EQ(converter.BitmapsDefined(), 2);
    EXPECT_EQ(converter.FromPicture(QImage()), nullptr);
}

TEST_F(Bitmaps, RepeatedCursorsOfEveryScenePaintOneBitmap) {
    for (int s = 0; s < 3; ++s) {
        TDemoFrame& scene = AddScene(4);
        AddObject(scene, TObjectKind::Cursor, 10 * s, 10, 32, 32, 0, 4);
    }
    const SwfSummary movie = Build();
    EXPECT_EQ(movie.all(36).size(), 1u);
    EXPECT_EQ(movie.find(36)->integer("notPremultiplied"), 0);
}

TEST_F(Bitmaps, SceneBackgroundPictureBecomesAJpegWorkFileStretchedOverTheScene) {
    demo_.Width = 64;
    demo_.Height = 48;
    TDemoFrame& scene = AddScene(2);
    scene.BackImage.assign(PictureFormat::Png, encodePng(Filled(32, 24, 0xFF2040C0u)));
    scene.BackImageStyle = 2; // Stretch
    const SwfSummary movie = Build();
    const SwfTag* jpeg = movie.find(21);
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->integer("width"), 64);
    EXPECT_EQ(jpeg->integer("height"), 48);
    const auto work = home_.path() / "Temp" / "t1.jpg";
    ASSERT_TRUE(std::filesystem::exists(work));
    const auto bytes = readFileBytes(work);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    std::string error;
    const RgbaImage decoded = decodeJpeg(bytes, error);
    ASSERT_EQ(decoded.width, 64) << error;
    EXPECT_NEAR(redOf(decoded.pixel(40, 30)), 0x20, 3);
    EXPECT_NEAR(blueOf(decoded.pixel(40, 30)), 0xC0, 3);
    // The scene background shape (placed at depth 1) is filled with that bitmap.
    const long backgroundId = PlacementAt(movie, 1, 0)->integer("characterId");
    bool filled = false;
    for (const SwfTag& tag : movie.tags)
        if (tag.code == 22 && tag.integer("id") == backgroundId)
            filled = tag.text("fill1").rfind("bitmap:" + std::to_string(jpeg->integer("id")), 0) == 0;
    EXPECT_TRUE(filled);
}

TEST_F(Bitmaps, PlainJpegImageGoesInUnchangedAndTurnedOneIsPainted) {
    TDemoFrame& scene = AddScene(2);
    const std::vector<std::uint8_t> jpeg = encodeJpeg(Filled(16, 8, 0xFF808080u), 90);
    TDemoObject& plain = AddObject(scene, TObjectKind::Image, 0, 0, 32, 16, 0, 2);
    plain.Picture.assign(PictureFormat::Jpeg, jpeg);
    TDemoObject& turned = AddObject(scene, TObjectKind::Image, 50, 0, 16, 32, 0, 2);
    turned.Picture.assign(PictureFormat::Jpeg, jpeg);
    turned.Angle = 90;
    const SwfSummary movie = Build();
    EXPECT_EQ(readFileBytes(home_.path() / "Temp" / "t1.jpg"), jpeg);
    ASSERT_NE(movie.find(21), nullptr);
    // The library puts the marker pair FF D9 FF D8 in front of the file's own bytes.
    EXPECT_EQ(movie.find(21)->integer("jpegBytes"), long(jpeg.size()) + 4);
    EXPECT_EQ(movie.find(21)->text("jpegHead"), "ffd9ffd8ffd8");
    const SwfTag* painted = movie.find(36);
    ASSERT_NE(painted, nullptr);
    EXPECT_EQ(painted->integer("width"), 8);
    EXPECT_EQ(painted->integer("height"), 16);
}

TEST_F(Bitmaps, UnpaintableObjectKeepsARectangleWithoutFill) {
    TDemoFrame& scene = AddScene(2);
    AddObject(scene, TObjectKind::Note, 0, 0, 2'000'000'000, 2'000'000'000, 0, 2);
    const SwfSummary movie = Build();
    const SwfTag* placed = PlacementAt(movie, 2, 0);
    ASSERT_NE(placed, nullptr);
    for (const SwfTag& tag : movie.tags)
        if (tag.integer("id") == placed->integer("characterId") && tag.code != kPlaceObject2) {
            EXPECT_EQ(tag.integer("fills"), 0);
        }
    EXPECT_EQ(movie.find(36), nullptr);
}

} // namespace
} // namespace vantora::test

namespace vantora::test {
namespace {

TEST_F(Bitmaps, ExactSizeJpegBackgroundEncodesLikeTheDrawnOne) {
    TDemoFrame& scene = AddScene(1);
    RgbaImage screen = Filled(40, 30, 0xFF336699u);
    for (int x = 0; x < 40; ++x)
        screen.pixel(x, x % 30) = 0xFFFFFF00u;
    scene.BackImage.assign(PictureFormat::Jpeg, encodeJpeg(screen, 90));
    scene.BackImageStyle = 1; // Center: the same place for a picture of the stage's size
    QImage drawn(40, 30, QImage::Format_ARGB32);
    ComposeSceneBackground(scene, drawn);
    EXPECT_EQ(DrawSceneBackgroundJpeg(scene, 40, 30), encodeJpeg(ToRgbaImage(drawn), kMovieJpegQuality));
    // A picture of another size is drawn over the scene colour.
    EXPECT_NE(DrawSceneBackgroundJpeg(scene, 60, 30), encodeJpeg(ToRgbaImage(drawn), kMovieJpegQuality));
    EXPECT_FALSE(DrawSceneBackgroundJpeg(scene, 60, 30).empty());
}

TEST_F(Bitmaps, BackgroundsDrawnAheadGiveTheSameMovieAsDrawnInPlace) {
    demo_.Width = 48;
    demo_.Height = 32;
    for (int i = 0; i < 4; ++i) {
        TDemoFrame& scene = AddScene(2);
        scene.BackImage.assign(PictureFormat::Png, encodePng(Filled(20 + i, 10, 0xFF000000u | (0x203040u * (i + 1)))));
        AddObject(scene, TObjectKind::Shape, i, i, 10, 10, 0, 2);
    }
    std::unique_ptr<swf::TFlashMovie> ahead = BuildWholeDemo(demo_);
    ahead->MakeStream();

    std::unique_ptr<swf::TFlashMovie> inPlace = CreateDemoMovie(demo_);
    {
        MovieBuildSession session(*inPlace, demo_, WorkFiles());
        for (const auto& scene : demo_.Scenes)
            AppendScene(session, *scene);
    }
    inPlace->MakeStream();
    EXPECT_EQ(ahead->BodyStream(), inPlace->BodyStream());
}

// Whether a scene was drawn ahead on a lent core, in place, or passed over, each scene's bytes are
// those of drawing it alone.
TEST_F(Bitmaps, ThePipelineHandsOutEachScenesOwnBackgroundWhoeverDrewIt) {
    demo_.Width = 40;
    demo_.Height = 30;
    for (int i = 0; i < 6; ++i) {
        TDemoFrame& scene = AddScene(1);
        if (i != 2) // one scene without a picture
            scene.BackImage.assign(PictureFormat::Jpeg, encodeJpeg(Filled(40, 30, 0xFF102030u * std::uint32_t(i + 1)), 90));
    }
    std::vector<const TDemoFrame*> scenes;
    for (const auto& scene : demo_.Scenes)
        scenes.push_back(scene.get());
    auto alone = [&](std::size_t i) { return DrawSceneBackgroundJpeg(*demo_.Scenes[i], 40, 30); };
    for (bool lent : {false, true}) {
        BackgroundPipeline pipeline(scenes, 40, 30);
        std::optional<LendIdleCompressorCore> lend;
        if (lent)
            lend.emplace();
        EXPECT_EQ(pipeline.Take(*scenes[0]), alone(0)) << lent;
        EXPECT_EQ(pipeline.Take(*scenes[1]), alone(1)) << lent;
        lend.reset(); // from here on nothing more is drawn ahead
        EXPECT_TRUE(pipeline.Take(*scenes[2]).empty()) << lent;
        EXPECT_EQ(pipeline.Take(*scenes[4]), alone(4)) << "scene 4 after passing over scene 3, " << lent;
        EXPECT_EQ(pipeline.Take(*scenes[5]), alone(5)) << lent;
        TDemoFrame stranger;
        stranger.BackImage = scenes[3]->BackImage;
        EXPECT_EQ(pipeline.Take(stranger), alone(3)) << "a scene it was not given is drawn in place";
    }
}

} // namespace
} // namespace vantora::test
