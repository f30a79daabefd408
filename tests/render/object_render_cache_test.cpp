// The editor's render cache: pictures by object identity, dropped when a change report says
// they went stale, and never holding a picture for an object that has none.

#include "model/object_edits.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "render/object_render_cache.h"
#include "render/object_renderer.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

class RenderCache : public testing::Test {
protected:
    TVantora demo;
    TDemoFrame* scene = nullptr;
    ObjectRenderCache cache;

    void SetUp() override {
        scene = &NewScene(demo);
        demo.Changes.addListener([this](const ModelChange& change) { cache.apply(change); });
    }
};

TEST_F(RenderCache, RendersOnceWithAlphaAndKeepsThePicture) {
    TDemoObject& shape = NewObject(*scene, TObjectKind::Shape, 0, 0);
    shape.Alpha = 50;
    EXPECT_EQ(cache.find(shape), nullptr); // absent until first rendered
    const RgbaImage* first = cache.render(shape);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width, shape.Width);
    EXPECT_EQ(first->pixels, RenderObject(shape)->pixels); // the Alpha (%) rule of RenderObject
    EXPECT_EQ(cache.render(shape), first);   // the same picture, not painted again
    EXPECT_EQ(cache.find(shape), first);
}

TEST_F(RenderCache, KindsWithoutAPictureStayWithout) {
    TDemoObject& audio = NewObject(*scene, TObjectKind::Audio, 0, 0);
    EXPECT_EQ(cache.render(audio), nullptr);
    EXPECT_EQ(cache.find(audio), nullptr);
}

TEST_F(RenderCache, ChangedAndRemovedObjectsAreDroppedOthersKept) {
    TDemoObject& note = NewObject(*scene, TObjectKind::Note, 0, 0);
    TDemoObject& shape = NewObject(*scene, TObjectKind::Shape, 0, 0);
    cache.render(note);
    cache.render(shape);
    ASSERT_EQ(cache.size(), 2u);

    NotifySceneChange(*scene, ModelChangeKind::ObjectTiming, &note); // times do not change pictures
    NotifySceneChange(*scene, ModelChangeKind::ObjectRenamed, &note);
    EXPECT_NE(cache.find(note), nullptr);

    NotifySceneChange(*scene, ModelChangeKind::ObjectChanged, &note);
    EXPECT_EQ(cache.find(note), nullptr);
    EXPECT_NE(cache.find(shape), nullptr);

    std::unique_ptr<TDemoObject> taken = TakeObject(*scene, &shape);
    NotifySceneChange(*scene, ModelChangeKind::ObjectRemoved, taken.get());
    EXPECT_EQ(cache.size(), 0u);
}

TEST_F(RenderCache, ARemovedSceneTakesItsObjectsPicturesAlong) {
    TDemoFrame& other = NewScene(demo);
    TDemoObject& note = NewObject(other, TObjectKind::Note, 0, 0);
    TDemoObject& kept = NewObject(*scene, TObjectKind::Note, 0, 0);
    cache.render(note);
    cache.render(kept);
    std::unique_ptr<TDemoFrame> removed = TakeScene(demo, 1);
    EXPECT_EQ(cache.find(note), nullptr);
    EXPECT_NE(cache.find(kept), nullptr);
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
}

TEST_F(RenderCache, AResizedObjectIsRenderedAtItsNewSize) {
    TDemoObject& shape = NewObject(*scene, TObjectKind::Shape, 0, 0);
    cache.render(shape);
    shape.Width = 40;
    NotifySceneChange(*scene, ModelChangeKind::ObjectChanged, &shape);
    const RgbaImage* picture = cache.render(shape);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 40);
}

TEST_F(RenderCache, AMovedObjectKeepsItsPictureAResizedOneIsRenderedAgain) {
    TDemoObject& shape = NewObject(*scene, TObjectKind::Shape, 10, 10);
    const RgbaImage* first = cache.render(shape);
    ASSERT_NE(first, nullptr);
    const std::vector<std::uint32_t> pixels = first->pixels;
    SetObjectBounds(*scene, shape, {50, 70, shape.Width, shape.Height});
    EXPECT_EQ(cache.find(shape), first);
    EXPECT_EQ(cache.render(shape), first);
    EXPECT_EQ(cache.renderCount(), 1u);

    SetObjectBounds(*scene, shape, {50, 70, shape.Width + 10, shape.Height});
    EXPECT_EQ(cache.find(shape), nullptr); // stale: made for the old size
    const RgbaImage* resized = cache.render(shape);
    ASSERT_NE(resized, nullptr);
    EXPECT_EQ(resized->width, shape.Width);
    EXPECT_EQ(cache.renderCount(), 2u);
    EXPECT_NE(pixels.size(), resized->pixels.size());
}

TEST_F(RenderCache, AnEditThatKeepsTheRectangleDropsThePicture) {
    TDemoObject& shape = NewObject(*scene, TObjectKind::Shape, 0, 0);
    cache.render(shape);
    shape.BackColor ^= 0xFFFFFF;
    NotifySceneChange(*scene, ModelChangeKind::ObjectChanged, &shape);
    EXPECT_EQ(cache.find(shape), nullptr);
    cache.render(shape);
    EXPECT_EQ(cache.renderCount(), 2u);
}

TEST_F(RenderCache, ASizeChangeNobodyReportedIsCaughtAtTheNextUse) {
    TDemoObject& note = NewObject(*scene, TObjectKind::Note, 0, 0);
    cache.render(note);
    note.Height = 33;
    const RgbaImage* picture = cache.render(note);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->height, 33);
}

TEST_F(RenderCache, ImagesAndCursorsKeepTheirPictureWhenResized) {
    TDemoObject& cursor = NewObject(*scene, TObjectKind::Cursor, 0, 0);
    const RgbaImage* picture = cache.render(cursor);
    ASSERT_NE(picture, nullptr);
    SetObjectBounds(*scene, cursor, {0, 0, cursor.Width + 40, cursor.Height + 40});
    EXPECT_EQ(cache.render(cursor), picture);
    EXPECT_EQ(cache.renderCount(), 1u);
}

TEST_F(RenderCache, SmallBalloonsAreShownAtLeastFortySquare) {
    TDemoObject& balloon = NewObject(*scene, TObjectKind::Balloon, 0, 0);
    SetObjectBounds(*scene, balloon, {0, 0, 20, 60});
    const RgbaImage* picture = cache.render(balloon);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, kSmallestShownBalloon);
    EXPECT_EQ(picture->height, 60);
    EXPECT_EQ(balloon.Width, 20); // the object keeps its size
    EXPECT_EQ(cache.render(balloon), picture); // and the enlarged picture is current for it
    EXPECT_EQ(cache.renderCount(), 1u);
}

} // namespace
} // namespace vantora
