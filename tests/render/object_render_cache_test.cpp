// The editor's render cache: pictures by object identity, dropped when a change report says
// they went stale, and never holding a picture for an object that has none.

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

} // namespace
} // namespace vantora
