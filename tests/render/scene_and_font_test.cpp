// The font record conversion and the scene composition.

#include "render/text/font_conversion.h"
#include "render/object_render_cache.h"
#include "render/object_renderer.h"
#include "render/scene_composer.h"
#include "render/speaker_icon.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <climits>
#include <tuple>

namespace vantora {
namespace {

using test::MakeObject;

TEST(FontConversion, NegativeHeightIsTheEmSizeInPixels) {
    TObjectFont font;
    font.Height = -13;
    const QFont q = ToQFont(font);
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_EQ(q.family(), QStringLiteral("Arial"));
    EXPECT_TRUE(q.styleStrategy() & QFont::NoAntialias);
    EXPECT_FALSE(ToQFont(font, FontSmoothing::Antialiased).styleStrategy() & QFont::NoAntialias);
}

TEST(FontConversion, StylesAndColourCarryOver) {
    TObjectFont font;
    font.SetStyleBits(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    const QFont q = ToQFont(font);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_TRUE(q.strikeOut());
    EXPECT_EQ(ToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(ToArgb(RGB(1, 2, 3)), 0xFF010203u);
}

TEST(FontConversion, PositiveHeightIsACellHeightAndBecomesASmallerEm) {
    TObjectFont font;
    font.Height = 20;
    const int em = FontPixelSize(font);
    EXPECT_LT(em, 20);
    EXPECT_GT(em, 14);
}

TEST(FontConversion, OddHeightsAreClamped) {
    TObjectFont font;
    font.Height = 0;
    EXPECT_EQ(FontPixelSize(font), 13);
    font.Height = INT32_MIN;
    EXPECT_EQ(FontPixelSize(font), kMaxFontPixelSize);
    font.Height = INT32_MAX;
    EXPECT_EQ(FontPixelSize(font), kMaxFontPixelSize);
    font.Height = -1;
    EXPECT_EQ(FontPixelSize(font), 1);
}

TEST(FontConversion, ArialResolvesToAnInstalledFace) {
    TObjectFont font;
    const QFontInfo info(ToQFont(font));
    EXPECT_FALSE(info.family().isEmpty());
    EXPECT_EQ(info.pixelSize(), 13);
}

TDemoFrame sceneWith(TColor back) {
    TDemoFrame scene;
    scene.BackColor = back;
    return scene;
}

TEST(SceneComposer, BackgroundColourThenObjectsAtTheirPlaceLaterInFront) {
    TDemoFrame scene = sceneWith(RGB(10, 20, 30));
    auto first = std::make_unique<TDemoObject>(MakeObject(TObjectKind::Shape, 20, 20));
    first->Left = 5;
    first->Top = 6;
    first->BorderWidth = 0;
    first->BackColor = RGB(255, 0, 0);
    auto second = std::make_unique<TDemoObject>(*first);
    second->Left = 15;
    second->BackColor = RGB(0, 0, 255);
    ObjectRenderCache cache;
    cache.render(*first);
    const TDemoObject* secondObject = second.get();
    scene.Objects.push_back(std::move(first));
    scene.Objects.push_back(std::move(second)); // not rendered yet: the cache renders it
    const QImage canvas = ComposeScene(scene, 64, 48, &cache);
    ASSERT_EQ(canvas.size(), QSize(64, 48));
    EXPECT_EQ(canvas.pixel(0, 0), 0xFF0A141Eu);
    EXPECT_EQ(canvas.pixel(10, 15), 0xFFFF0000u);
    EXPECT_EQ(canvas.pixel(20, 15), 0xFF0000FFu);
    EXPECT_EQ(canvas.pixel(40, 15), 0xFF0A141Eu);
    EXPECT_NE(cache.find(*secondObject), nullptr);
    EXPECT_EQ(ComposeScene(scene, 64, 48), canvas); // without a cache: the same, painted afresh
}

TEST(SceneComposer, ObjectAlphaBlendsOverTheBackground) {
    TDemoFrame scene = sceneWith(RGB(0, 0, 0));
    auto shape = std::make_unique<TDemoObject>(MakeObject(TObjectKind::Shape, 10, 10));
    shape->BorderWidth = 0;
    shape->BackColor = RGB(255, 255, 255);
    shape->Alpha = 50;
    scene.Objects.push_back(std::move(shape));
    const QImage canvas = ComposeScene(scene, 10, 10);
    EXPECT_NEAR(qRed(canvas.pixel(5, 5)), 127, 2);
}

TEST(SceneComposer, BackgroundPictureStyles) {
    RgbaImage tile = test::SolidImage(4, 4, 0xFF00FF00u);
    tile.pixel(0, 0) = 0xFFFF0000u;
    TDemoFrame scene = sceneWith(RGB(0, 0, 255));
    scene.BackImage = Picture(PictureFormat::Bitmap, test::BmpBytes(tile));
    scene.BackImageStyle = static_cast<int>(TBackImageStyle::Normal);
    QImage canvas = ComposeScene(scene, 10, 10);
    EXPECT_EQ(canvas.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(canvas.pixel(5, 5), 0xFF0000FFu);
    scene.BackImageStyle = static_cast<int>(TBackImageStyle::Center);
    canvas = ComposeScene(scene, 10, 10);
    EXPECT_EQ(canvas.pixel(3, 3), 0xFFFF0000u); // (10 - 4) / 2
    scene.BackImageStyle = static_cast<int>(TBackImageStyle::Tile);
    canvas = ComposeScene(scene, 10, 10);
    EXPECT_EQ(canvas.pixel(8, 8), 0xFFFF0000u);
    EXPECT_EQ(canvas.pixel(9, 9), 0xFF00FF00u);
    scene.BackImageStyle = static_cast<int>(TBackImageStyle::Stretch);
    canvas = ComposeScene(scene, 8, 8);
    EXPECT_EQ(canvas.pixel(1, 1), 0xFFFF0000u); // the red pixel now covers 2 x 2
    EXPECT_EQ(canvas.pixel(7, 7), 0xFF00FF00u);
}

TEST(SceneComposer, AudioShowsTheSpeakerAndBadSizesGiveNothing) {
    TDemoFrame scene = sceneWith(RGB(255, 255, 255));
    auto audio = std::make_unique<TDemoObject>(MakeObject(TObjectKind::Audio, 5, 5));
    scene.Objects.push_back(std::move(audio));
    const QImage canvas = ComposeScene(scene, 40, 40);
    int changed = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            changed += canvas.pixel(x, y) != 0xFFFFFFFFu;
    EXPECT_GT(changed, 100);
    EXPECT_EQ(SpeakerIcon().size(), QSize(32, 32));
    EXPECT_TRUE(ComposeScene(scene, 0, 10).isNull());
    EXPECT_TRUE(ComposeScene(scene, 100000, 100000).isNull());
}

TEST(SceneComposer, ObjectsFarAwayOrHugeAreSkippedSafely) {
    TDemoFrame scene = sceneWith(RGB(1, 2, 3));
    for (auto [left, top, w, h] : {std::tuple{INT_MAX, 0, 10, 10}, {INT_MIN, INT_MIN, 10, 10}, {-5, -5, INT_MAX, 20},
                                   {0, 0, 100000, 100000}, {3, 3, -10, -10}}) {
        for (TObjectKind kind : {TObjectKind::Shape, TObjectKind::Image, TObjectKind::Text, TObjectKind::Audio,
                                 TObjectKind::Cursor}) {
            auto object = std::make_unique<TDemoObject>(MakeObject(kind, w, h));
            object->Left = left;
            object->Top = top;
            object->Text = "far";
            object->Picture = Picture(PictureFormat::Bitmap, test::BmpBytes(test::SolidImage(2, 2, 0xFFFF0000u)));
            scene.Objects.push_back(std::move(object));
        }
    }
    scene.Objects.push_back(nullptr);
    const QImage canvas = ComposeScene(scene, 40, 30);
    ASSERT_EQ(canvas.size(), QSize(40, 30));
}

} // namespace
} // namespace vantora
