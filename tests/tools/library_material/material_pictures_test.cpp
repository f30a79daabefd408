// The picture folders: every file is a PNG our reader decodes, of the size its tab expects, with
// a transparent background around an opaque drawing.

#include "library_material/button_pictures.h"
#include "library_material/cursor_pictures.h"
#include "material_test_support.h"
#include "model/enum_names.h"
#include "render/builtin_cursors.h"
#include "render/image_conversion.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string_view>

namespace vantora::material {
namespace {

using test::CountAlpha;
using test::DecodePng;
using test::FilesIn;

TEST(MaterialPictures, EveryPictureFolderIsFilledWithPngFiles) {
    for (const auto& [folder, least] : std::initializer_list<std::pair<const char*, std::size_t>>{{"Cursors", 20}, {"Images", 18}, {"Buttons", 8}}) {
        const auto files = FilesIn(folder);
        EXPECT_GE(files.size(), least) << folder;
        for (const MaterialFile* file : files) {
            EXPECT_EQ(file->relativePath.extension(), ".png") << file->relativePath;
            EXPECT_FALSE(DecodePng(*file).empty()) << file->relativePath;
        }
    }
}

TEST(MaterialPictures, EveryPictureHasATransparentBackgroundAndAVisibleDrawing) {
    for (const char* folder : {"Cursors", "Images", "Buttons"})
        for (const MaterialFile* file : FilesIn(folder)) {
            const RgbaImage image = DecodePng(*file);
            ASSERT_FALSE(image.empty()) << file->relativePath;
            const test::AlphaCounts alpha = CountAlpha(image);
            const int all = image.width * image.height;
            EXPECT_GT(alpha.clear, all / 20) << file->relativePath << ": too little transparent background";
            EXPECT_GT(alpha.opaque + alpha.partial, all / 50) << file->relativePath << ": almost nothing drawn";
            // Cursors may have their hot spot in a corner; the other pictures keep a margin.
            if (std::string_view(folder) != "Cursors") {
                EXPECT_EQ(alphaOf(image.pixel(0, 0)), 0) << file->relativePath << ": the corner is not clear";
            }
        }
}

TEST(MaterialPictures, DrawnPicturesHaveAntialiasedEdges) {
    for (const char* folder : {"Images", "Buttons"})
        for (const MaterialFile* file : FilesIn(folder))
            EXPECT_GT(CountAlpha(DecodePng(*file)).partial, 20) << file->relativePath;
}

TEST(MaterialPictures, TheHighlighterIsSeeThroughEverywhere) {
    const MaterialFile* file = test::Find("Images/Highlighter.png");
    ASSERT_NE(file, nullptr);
    const test::AlphaCounts alpha = CountAlpha(DecodePng(*file));
    EXPECT_EQ(alpha.opaque, 0);
    EXPECT_GT(alpha.partial, 1000);
}

TEST(MaterialPictures, CursorsAreThirtyTwoPixelsSquare) {
    for (const MaterialFile* file : FilesIn("Cursors")) {
        const RgbaImage image = DecodePng(*file);
        EXPECT_EQ(image.width, kCursorPictureSize) << file->relativePath;
        EXPECT_EQ(image.height, kCursorPictureSize) << file->relativePath;
    }
}

TEST(MaterialPictures, EveryBuiltInCursorShipsUnderItsTypeNameWithItsOwnPixels) {
    for (int type = 1; type <= 19; ++type) {
        const std::string name(*NameOfCode(names::CursorType, type));
        const MaterialFile* file = test::Find("Cursors/" + name + ".png");
        ASSERT_NE(file, nullptr) << name;
        const RgbaImage shipped = DecodePng(*file);
        const RgbaImage builtin = ToRgbaImage(BuiltinCursor(TCursorType(type)));
        EXPECT_EQ(shipped.pixels, builtin.pixels) << name;
    }
}

TEST(MaterialPictures, ButtonsHaveTheTabsTwoToOneShape) {
    for (const MaterialFile* file : FilesIn("Buttons")) {
        const RgbaImage image = DecodePng(*file);
        EXPECT_EQ(image.width, kButtonPictureWidth) << file->relativePath;
        EXPECT_EQ(image.height, kButtonPictureHeight) << file->relativePath;
        EXPECT_EQ(image.width, 2 * image.height);
    }
}

TEST(MaterialPictures, NoTwoPicturesAreAlike) {
    std::set<std::vector<std::uint32_t>> seen;
    for (const char* folder : {"Cursors", "Images", "Buttons"})
        for (const MaterialFile* file : FilesIn(folder))
            EXPECT_TRUE(seen.insert(DecodePng(*file).pixels).second) << file->relativePath << " repeats another picture";
}

TEST(MaterialPictures, StepBadgesAreNumberedOneToFive) {
    for (int number = 1; number <= 5; ++number)
        EXPECT_NE(test::Find("Images/Step" + std::to_string(number) + ".png"), nullptr) << number;
    EXPECT_EQ(test::Find("Images/Step6.png"), nullptr);
}

} // namespace
} // namespace vantora::material
