#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

using namespace swf;
using vantora::test::TempDir;

TEST(Sprite, OwnTimelineIsNestedAndCounted) {
    TempDir dir;
    TFlashMovie movie(0, 0, 200, 200, 20, true);
    TFlashShape* dot = movie.AddEllipse(0, 0, 20, 20);
    dot->SetSolidColor(0x0000FF);
    TFlashSprite* sprite = movie.AddSprite(dot);
    sprite->ShowFrame();
    sprite->MoveObject(1)->SetTranslate(10, 0);
    sprite->SetFrameLabel("second");
    sprite->ShowFrame();
    sprite->RemoveObject(1);
    sprite->ShowFrame(2);
    EXPECT_EQ(sprite->FrameCount(), 4);
    movie.PlaceObject(sprite, 1);
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{22, 39, 26, 1, 0}));
    const auto* def = s.find(39);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->integer("id"), 2);
    EXPECT_EQ(def->integer("frameCount"), 4);
    EXPECT_EQ(def->codes(), (std::vector<int>{26, 1, 26, 43, 1, 28, 1, 1, 0}));
    EXPECT_EQ(def->children[0].integer("characterId"), 1);
    EXPECT_EQ(def->children[2].integer("move"), 1);
    EXPECT_EQ(def->children[2].text("matrix"), "65536,0,0,65536,200,0"); // no scale written: identity
    EXPECT_EQ(s.find(26)->integer("characterId"), 2);
}

TEST(Sprite, WithoutFramesGetsOne) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashSprite* sprite = movie.AddSprite();
    movie.PlaceObject(sprite, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.find(39)->integer("frameCount"), 1);
    EXPECT_EQ(s.find(39)->codes(), (std::vector<int>{1, 0}));
}

TEST(Sprite, ADefinitionMadeAfterTheSpriteMovesBeforeIt) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashSprite* sprite = movie.AddSprite();
    TFlashShape* late = movie.AddRectangle(0, 0, 10, 10);
    late->SetSolidColor(0xFF);
    sprite->PlaceObject(late, 1);
    sprite->ShowFrame();
    movie.PlaceObject(sprite, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{22, 39, 26, 1, 0}));
    EXPECT_EQ(s.find(22)->integer("id"), 2);
    EXPECT_EQ(s.find(39)->integer("id"), 1);
}

TEST(Sprite, MinVersionIsAtLeastThreeAndFollowsContents) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashSprite* sprite = movie.AddSprite();
    EXPECT_EQ(sprite->MinVersion(), 3);
    sprite->MoveObject(1)->SetBlendMode(5);
    EXPECT_EQ(sprite->MinVersion(), 8);
}
