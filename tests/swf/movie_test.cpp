#include "swf/control_tags.h"
#include "swf/image.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace swf;
using swf_test::Bytes;
using vantora::test::TempDir;

namespace {

// Body bytes after MakeStream.
Bytes body(TFlashMovie& movie) {
    movie.MakeStream();
    return movie.BodyStream();
}

} // namespace

TEST(MovieTimeline, EmptyMovieIsOnlyEnd) {
    TempDir dir;
    TFlashMovie movie(0, 0, 320, 240, 20, true);
    EXPECT_EQ(body(movie), (Bytes{0x00, 0x00}));
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{0}));
    EXPECT_EQ(s.frameCount, 0);
    EXPECT_EQ(s.signature, "FWS");
    EXPECT_EQ(s.version, 5);
    EXPECT_EQ(s.xMax, 6400);
    EXPECT_EQ(s.yMax, 4800);
    EXPECT_EQ(s.frameRateWord, 0x1400);
}

TEST(MovieTimeline, PlacementWithoutShowFrameGetsOneFrame) {
    TempDir dir;
    TFlashMovie movie(0, 0, 320, 240, 20, true);
    TFlashShape* shape = movie.AddRectangle(0, 0, 10, 10);
    shape->SetSolidColor(0x0000FF);
    movie.PlaceObject(shape, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{22, 26, 1, 0}));
    EXPECT_EQ(s.frameCount, 1);
    EXPECT_EQ(movie.FrameCount(), 1);
}

TEST(MovieTimeline, ShowFrameCountsAtLeastOne) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.ShowFrame(0);
    EXPECT_EQ(movie.FrameCount(), 1);
    movie.ShowFrame(3);
    EXPECT_EQ(movie.FrameCount(), 4);
    EXPECT_EQ(movie.CurrentFrame(), 3);
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{1, 1, 1, 1, 0}));
    EXPECT_EQ(s.frameCount, 4);
}

TEST(MovieTimeline, CharacterIdsFollowCallOrderWhateverTheKind) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    EXPECT_EQ(movie.AddShape()->CharacterId(), 1);
    EXPECT_EQ(movie.AddImage()->CharacterId(), 2);
    EXPECT_EQ(movie.AddSprite()->CharacterId(), 3);
    EXPECT_EQ(movie.AddEllipse(0, 0, 5, 5)->CharacterId(), 4);
    EXPECT_EQ(movie.Shapes().size(), 2u);
    EXPECT_EQ(movie.Images().size(), 1u);
    EXPECT_EQ(movie.Sprites().size(), 1u);
}

TEST(MovieTimeline, MakeStreamCanRunTwice) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    TFlashShape* shape = movie.AddRectangle(0, 0, 10, 10);
    shape->SetSolidColor(0xFF);
    movie.PlaceObject(shape, 1);
    movie.ShowFrame();
    const Bytes first = body(movie);
    EXPECT_EQ(body(movie), first);
    EXPECT_EQ(movie.FrameCount(), 1);
}

TEST(MovieTimeline, LabelsRemovalsAndBackgroundRoundTrip) {
    TempDir dir;
    TFlashMovie movie(0, 0, 200, 100, 20, true);
    movie.BackgroundColor() = TSWFRGB(0x33, 0x66, 0xCC);
    TFlashShape* shape = movie.AddRectangle(0, 0, 10, 10);
    shape->SetSolidColor(0xFF);
    movie.PlaceObject(shape, 3);
    movie.SetFrameLabel("start");
    movie.ShowFrame();
    movie.RemoveObject(3, shape);
    movie.ShowFrame();
    movie.PlaceObject(shape, 4);
    movie.ShowFrame();
    movie.RemoveObject(4);
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{9, 22, 26, 43, 1, 5, 1, 26, 1, 28, 1, 0}));
    EXPECT_EQ(s.tags[0].text("color"), "51,102,204,255");
    EXPECT_EQ(s.find(43)->text("label"), "start");
    EXPECT_EQ(s.find(5)->integer("characterId"), 1);
    EXPECT_EQ(s.find(5)->integer("depth"), 3);
    EXPECT_EQ(s.find(28)->integer("depth"), 4);
    EXPECT_EQ(s.find(28)->frame, 3);
    EXPECT_EQ(s.frameCount, 4);
    EXPECT_EQ(movie.MaxDepth(), 4);
}

TEST(MovieTimeline, RemoveObject2HeaderBytes) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.RemoveObject(0x0105);
    EXPECT_EQ(body(movie), (Bytes{0x02, 0x07, 0x05, 0x01, 0x00, 0x00}));
}

TEST(MovieVersions, AnItemNeedingVersionEightRaisesTheHeader) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.SetVersion(6);
    TFlashShape* shape = movie.AddRectangle(0, 0, 10, 10);
    shape->SetSolidColor(0xFF);
    TFlashPlaceObject* place = movie.PlaceObject(shape, 1);
    place->SetBlendMode(3); // multiply: PlaceObject3
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.version, 8);
    EXPECT_EQ(s.codes(), (std::vector<int>{22, 70, 1, 0}));
    EXPECT_EQ(s.find(70)->integer("characterId"), 1);
}

TEST(MovieVersions, CompressedMovieIsCwsSixAndParses) {
    TempDir dir;
    TFlashMovie movie(0, 0, 640, 480, 20, true);
    movie.SetCompressed(true);
    TFlashShape* shape = movie.AddEllipse(10, 10, 100, 60);
    shape->SetSolidColorRGBA(0x800000FF);
    movie.PlaceObject(shape, 2);
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.signature, "CWS");
    EXPECT_EQ(s.version, 6);
    EXPECT_EQ(s.codes(), (std::vector<int>{32, 26, 1, 0}));
}

TEST(MovieProgress, WritingTagsReportsPhaseOneUpToHundred) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    for (int i = 0; i < 10; ++i)
        movie.ShowFrame();
    std::vector<int> seen;
    movie.OnProgress = [&](TBasedSWFStream&, int percent, int phase) {
        EXPECT_EQ(phase, 1);
        seen.push_back(percent);
    };
    movie.MakeStream();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 10);
    EXPECT_EQ(seen.back(), 100);
}

// ---------------------------------------------------------------- placements

TEST(PlaceObject, TranslateToOriginWritesNoMatrix) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    TFlashShape* shape = movie.AddShape();
    TFlashPlaceObject* place = movie.PlaceObject(shape, 1);
    place->SetTranslate(0, 0);
    EXPECT_FALSE(place->HasMatrix());
    EXPECT_EQ(swf_test::tagBytes(*place), (Bytes{0x85, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00}));
}

TEST(PlaceObject, CharacterMatrixAndColourTransformFlags) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    TFlashShape* shape = movie.AddShape();
    TFlashPlaceObject* place = movie.PlaceObject(shape, 2);
    place->SetTranslate(10, 0);
    place->ColorTransform().SetAddA(-128);
    const Bytes b = swf_test::tagBytes(*place);
    EXPECT_EQ(b[2], 0x0E);
    EXPECT_EQ(place->Matrix().TranslateX, 200);
}

TEST(PlaceObject, MoveFlagKeepsAZeroTranslation) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    TFlashPlaceObject* place = movie.MoveObject(1);
    place->SetTranslate(0, 0);
    EXPECT_TRUE(place->HasMatrix());
    EXPECT_EQ(swf_test::tagBytes(*place), (Bytes{0x84, 0x06, 0x05, 0x01, 0x00, 0x00}));
}

TEST(PlaceObject, AllFieldsRoundTripThroughTheParser) {
    TempDir dir;
    TFlashMovie movie(0, 0, 400, 300, 20, true);
    TFlashShape* shape = movie.AddRectangle(0, 0, 50, 50);
    shape->SetSolidColor(0x00FF00);
    TFlashPlaceObject* place = movie.PlaceObject(shape, 7);
    place->SetScale(2.0, 0.5);
    place->SetRotate(30);
    place->SetTranslate(100, -20);
    place->ColorTransform().SetMultR(128);
    place->ColorTransform().SetAddB(-10);
    place->ColorTransform().SetMultA(64);
    place->SetRatio(9);
    place->SetName("box");
    place->SetClipDepth(12);
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir);
    const auto* tag = s.find(26);
    ASSERT_NE(tag, nullptr);
    const TSWFMatrix& m = place->Matrix();
    EXPECT_EQ(tag->text("matrix"), std::to_string(m.ScaleX) + "," + std::to_string(m.RotateSkew0) + "," +
                                       std::to_string(m.RotateSkew1) + "," + std::to_string(m.ScaleY) + ",2000,-400");
    EXPECT_EQ(tag->text("cxform"), "128,256,256,64,0,0,-10,0");
    EXPECT_EQ(tag->integer("ratio"), 9);
    EXPECT_EQ(tag->text("name"), "box");
    EXPECT_EQ(tag->integer("clipDepth"), 12);
    EXPECT_EQ(tag->integer("depth"), 7);
}

TEST(MovieText, LabelsAndNamesAreAnsiBelowVersionSixAndUtf8From) {
    for (int version : {5, 6}) {
        TFlashMovie movie(0, 0, 100, 100, 10, true);
        movie.SetVersion(version);
        TFlashShape* shape = movie.AddShape();
        movie.PlaceObject(shape, 1)->SetName("\xC3\xA9");
        movie.SetFrameLabel("\xC3\xA9");
        movie.ShowFrame();
        const Bytes b = body(movie);
        const Bytes ansi = {0xE9, 0x00};
        const Bytes utf8 = {0xC3, 0xA9, 0x00};
        const Bytes& want = version >= 6 ? utf8 : ansi;
        // shape tag, then PlaceObject2 (flags 0x22, depth, id, name), then FrameLabel
        const auto at = std::search(b.begin(), b.end(), want.begin(), want.end());
        ASSERT_NE(at, b.end()) << "version " << version;
        EXPECT_NE(std::search(at + 1, b.end(), want.begin(), want.end()), b.end()) << "label, version " << version;
    }
}
