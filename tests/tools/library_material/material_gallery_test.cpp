// The gallery objects: each file reads back with the gallery reader into the object it was made
// from, is named after its kind like a saved gallery object, and renders.

#include "library_material/gallery_objects.h"
#include "material_test_support.h"
#include "model/object_kind.h"
#include "render/object_renderer.h"
#include "render/text/font_conversion.h"
#include "storage/gallery_file.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <algorithm>
#include <set>

namespace vantora::material {
namespace {

// Kinds whose objects have no picture of their own: the canvas draws them as text.
bool drawsAPicture(TObjectKind kind) {
    return kind != TObjectKind::Text && kind != TObjectKind::InputText && kind != TObjectKind::Audio;
}

TDemoObject readBack(const MaterialFile& file) {
    TDemoObject object;
    const StorageResult read = ParseGalleryObject(file.bytes, object);
    EXPECT_TRUE(read.ok) << file.relativePath << ": " << read.message;
    return object;
}

TEST(MaterialGallery, SevenObjectsOfSevenKindsShip) {
    const auto files = test::FilesIn("Gallery");
    EXPECT_EQ(files.size(), 7u);
    std::set<TObjectKind> kinds;
    for (const MaterialFile* file : files)
        kinds.insert(readBack(*file).Kind);
    EXPECT_EQ(kinds.size(), files.size());
}

TEST(MaterialGallery, FilesAreNamedAfterTheirKindLikeSavedGalleryObjects) {
    for (const MaterialFile* file : test::FilesIn("Gallery")) {
        const TDemoObject object = readBack(*file);
        EXPECT_EQ(file->relativePath.extension(), kGalleryExtension);
        EXPECT_EQ(file->relativePath.stem().string(), std::string(ObjectKindName(object.Kind)) + "1");
        EXPECT_EQ(object.Name, file->relativePath.stem().string());
    }
}

TEST(MaterialGallery, EachFileHoldsExactlyItsObjectsRecord) {
    const std::vector<TDemoObject> objects = GalleryObjects();
    for (const TDemoObject& object : objects) {
        const MaterialFile* file = test::Find("Gallery/" + object.Name + ".vto");
        ASSERT_NE(file, nullptr) << object.Name;
        const TDemoObject read = readBack(*file);
        EXPECT_EQ(read.Text, object.Text);
        EXPECT_EQ(read.Width, object.Width);
        EXPECT_EQ(read.Height, object.Height);
        EXPECT_EQ(read.BackColor, object.BackColor);
        EXPECT_EQ(read.Command, object.Command);
        // Written again, the object read back gives the same bytes: nothing precedes or follows it.
        std::vector<std::uint8_t> again;
        ASSERT_TRUE(GalleryFileBytes(read, again).ok);
        EXPECT_EQ(again, file->bytes) << object.Name;
    }
}

TEST(MaterialGallery, ObjectsWithPicturesRenderAtTheirOwnSize) {
    for (const MaterialFile* file : test::FilesIn("Gallery")) {
        const TDemoObject object = readBack(*file);
        if (!drawsAPicture(object.Kind))
            continue;
        const std::optional<RgbaImage> picture = RenderObject(object);
        ASSERT_TRUE(picture.has_value()) << object.Name;
        EXPECT_EQ(picture->width, object.Width) << object.Name;
        EXPECT_EQ(picture->height, object.Height) << object.Name;
        const auto visible = std::count_if(picture->pixels.begin(), picture->pixels.end(),
                                           [](std::uint32_t p) { return alphaOf(p) > 0; });
        EXPECT_GT(visible, picture->width * 4) << object.Name << " renders almost nothing";
    }
}

TEST(MaterialGallery, TheNextButtonGoesToTheNextScene) {
    const MaterialFile* file = test::Find("Gallery/Button1.vto");
    ASSERT_NE(file, nullptr);
    const TDemoObject button = readBack(*file);
    EXPECT_EQ(button.Text, "Next");
    EXPECT_EQ(button.Command.Action, static_cast<std::uint8_t>(TCommandAction::NextScene));
}

TEST(MaterialGallery, TheTypingTextAndTheWelcomeAndClickHereBalloonsHaveText) {
    for (const char* name : {"Gallery/InputText1.vto", "Gallery/Balloon1.vto", "Gallery/RoundBalloon1.vto", "Gallery/Label1.vto"}) {
        const MaterialFile* file = test::Find(name);
        ASSERT_NE(file, nullptr) << name;
        EXPECT_FALSE(readBack(*file).Text.empty()) << name;
    }
}

// The gallery shrinks a whole box to its 64-pixel thumbnail: a typing text in a box much wider than
// its words would show there as a faint line.
TEST(MaterialGallery, TheTypingTextFillsMostOfItsBox) {
    const MaterialFile* file = test::Find("Gallery/InputText1.vto");
    ASSERT_NE(file, nullptr);
    const TDemoObject typing = readBack(*file);
    const QFontMetrics metrics(ToQFont(typing.Font));
    const int textWidth = metrics.horizontalAdvance(QString::fromStdString(typing.Text));
    EXPECT_LE(textWidth, typing.Width) << "the typed text fits its box";
    EXPECT_GE(textWidth * 10, typing.Width * 6) << "text " << textWidth << " px in a box of " << typing.Width;
    EXPECT_GE(metrics.height(), typing.Height * 2 / 3);
    EXPECT_LE(metrics.height(), typing.Height);
}

} // namespace
} // namespace vantora::material
