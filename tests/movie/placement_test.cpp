// Transforms and shape characters as the placement and shape records carry them, read back
// through the independent parser.

#include "movie_test_support.h"

namespace vantora::test {
namespace {

class Placements : public MovieTest {
protected:
    void SetUp() override { demo_.FrameRateFactor = 1; }
    const SwfTag* DefinitionOf(const SwfSummary& movie, const SwfTag* placement) {
        EXPECT_NE(placement, nullptr);
        for (const SwfTag& tag : movie.tags)
            if (placement != nullptr && tag.code != kPlaceObject2 && tag.integer("id") == placement->integer("characterId"))
                return &tag;
        return nullptr;
    }
};

TEST_F(Placements, RotationScaleColourAndTranslationAtChosenFrames) {
    TDemoFrame& scene = AddScene(10);
    TDemoObject& shape = AddObject(scene, TObjectKind::Shape, 100, 50, 40, 20, 0, 10);
    shape.Alpha = 50;
    shape.Animation.Angle = {1, 90, 2, 0, 0, 2, 0};
    shape.Animation.Width = {1, 50, 2, 0, 100, 2, 0};
    shape.Animation.Red = {1, 150, 2, 0, 100, 2, 0};
    shape.Animation.LocationY = {1, 10, 2, 0, 0, 2, 0};
    const SwfSummary movie = Build();

    const SwfTag* first = PlacementAt(movie, 2, 0);
    ASSERT_NE(first, nullptr);
    // Scale 0.5 x 1 turned by 90 degrees; the registration point (120, 60) moved 10 down.
    EXPECT_EQ(MatrixOf(*first), (std::vector<long>{0, -32768, 65536, 0, 120 * 20, 70 * 20}));
    EXPECT_EQ(CxformOf(*first), (std::vector<long>{256, 256, 256, 256, 127, 0, 0, -127}));

    const SwfTag* half = PlacementAt(movie, 2, 1);
    ASSERT_NE(half, nullptr);
    const auto m = MatrixOf(*half);
    EXPECT_NEAR(m[0], 0.75 * 0.7071 * 65536, 2); // cos 45 x 0.75
    EXPECT_EQ(m[5], 65 * 20);
    EXPECT_EQ(CxformOf(*half)[4], 63); // red at 125 %

    const SwfTag* resting = PlacementAt(movie, 2, 2);
    ASSERT_NE(resting, nullptr);
    EXPECT_EQ(MatrixOf(*resting), (std::vector<long>{65536, 0, 0, 65536, 120 * 20, 60 * 20}));
    EXPECT_EQ(CxformOf(*resting), (std::vector<long>{256, 256, 256, 256, 0, 0, 0, -127}));
}

TEST_F(Placements, OpaqueRestingObjectHasNoColourTransform) {
    TDemoFrame& scene = AddScene(4);
    AddObject(scene, TObjectKind::Shape, 0, 0, 10, 10, 0, 4);
    const SwfSummary movie = Build();
    for (int f = 0; f < 3; ++f)
        EXPECT_FALSE(PlacementAt(movie, 2, f)->has("cxform")) << f;
}

TEST_F(Placements, ShapeCharacterCarriesBorderAndFill) {
    TDemoFrame& scene = AddScene(4);
    TDemoObject& box = AddObject(scene, TObjectKind::Shape, 0, 0, 100, 60, 0, 4);
    box.BorderWidth = 4;
    box.BorderColor = RGB(255, 0, 0);
    box.BackColor = RGB(255, 255, 0);
    box.Option = 0; // solid
    TDemoObject& line = AddObject(scene, TObjectKind::Shape, 0, 0, 100, 60, 0, 4);
    line.Style = 7;
    line.BorderWidth = 0;
    const SwfSummary movie = Build();

    const SwfTag* boxShape = DefinitionOf(movie, PlacementAt(movie, 2, 0));
    ASSERT_NE(boxShape, nullptr);
    EXPECT_EQ(boxShape->code, 22);
    EXPECT_EQ(boxShape->text("line0"), "80:255,0,0,255");
    EXPECT_EQ(boxShape->text("fill0"), "solid:255,255,0,255");
    // Built in (-48, -28)-(47, 27), from 96 x 56, grown by half the line width.
    EXPECT_EQ(boxShape->text("bounds"), "-1000,980,-600,580");

    const SwfTag* lineShape = DefinitionOf(movie, PlacementAt(movie, 3, 0));
    ASSERT_NE(lineShape, nullptr);
    EXPECT_EQ(lineShape->code, 32) << "colours with alpha need DefineShape3";
    EXPECT_EQ(lineShape->text("line0").substr(0, 2), "0:");
    EXPECT_EQ(lineShape->text("line0").back(), '0');
    EXPECT_EQ(lineShape->text("fill0"), "solid:255,255,255,0");
}

TEST_F(Placements, PaintedObjectIsFilledAtNaturalSizeFromItsRectangle) {
    TDemoFrame& scene = AddScene(3);
    TDemoObject& balloon = AddObject(scene, TObjectKind::Balloon, 40, 30, 120, 80, 0, 3);
    balloon.Text = "Hello";
    balloon.Animation.ObjectCenter = 2; // LeftTopCorner
    const SwfSummary movie = Build();
    const SwfTag* shape = DefinitionOf(movie, PlacementAt(movie, 2, 0));
    ASSERT_NE(shape, nullptr);
    const SwfTag* bitmap = movie.find(36);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->integer("width"), 120);
    EXPECT_EQ(bitmap->integer("height"), 80);
    EXPECT_EQ(bitmap->integer("notPremultiplied"), 0);
    EXPECT_EQ(shape->text("fill0"), "bitmap:" + std::to_string(bitmap->integer("id")) + ":clipped");
    EXPECT_EQ(Numbers(shape->text("fillMatrix0"))[0], 20 * 65536) << "one bitmap pixel per movie pixel";
    EXPECT_EQ(MatrixOf(*PlacementAt(movie, 2, 0)), (std::vector<long>{65536, 0, 0, 65536, 800, 600}));
}

} // namespace
} // namespace vantora::test
