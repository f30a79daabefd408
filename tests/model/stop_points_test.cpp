// Stop points: unique, inside the scene, bad input ignored.
#include "model/scene_operations.h"
#include "model/stop_points.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Points = std::vector<std::int32_t>;

TEST(ModelStopPoints, AddKeepsValuesUniqueAndInsideTheScene) {
    TDemoFrame scene; // length 100
    AddStopPoint(scene, 30);
    AddStopPoint(scene, 30);
    AddStopPoint(scene, 0);
    AddStopPoint(scene, 99);
    AddStopPoint(scene, 100);
    AddStopPoint(scene, -1);
    EXPECT_EQ(scene.StopPoints, (Points{30, 0, 99}));
}

TEST(ModelStopPoints, RemoveTakesTheFirstEqualEntry) {
    TDemoFrame scene;
    scene.StopPoints = {10, 20, 10}; // a damaged file may hold duplicates
    RemoveStopPoint(scene, 10);
    EXPECT_EQ(scene.StopPoints, (Points{20, 10}));
    RemoveStopPoint(scene, 55);
    EXPECT_EQ(scene.StopPoints, (Points{20, 10}));
}

TEST(ModelStopPoints, MoveReplacesOneEntryWhenTheTargetIsValid) {
    TDemoFrame scene;
    scene.StopPoints = {10, 20};
    MoveStopPoint(scene, 0, 15);
    EXPECT_EQ(scene.StopPoints, (Points{15, 20}));
    MoveStopPoint(scene, 2, 30);  // no such entry
    MoveStopPoint(scene, 1, 100); // at the end of the scene
    MoveStopPoint(scene, 1, -3);
    EXPECT_EQ(scene.StopPoints, (Points{15, 20}));
}

TEST(ModelStopPoints, MoveOntoAnotherStopPointIsRefused) {
    TDemoFrame scene;
    scene.StopPoints = {10, 20};
    MoveStopPoint(scene, 0, 20);
    EXPECT_EQ(scene.StopPoints, (Points{10, 20}));
}

TEST(ModelStopPoints, OnlyRealChangesMarkTheDemoModified) {
    TVantora demo;
    TDemoFrame& scene = NewScene(demo);
    int changes = 0;
    demo.Changes.addListener([&](const ModelChange& change) {
        EXPECT_EQ(change.kind, ModelChangeKind::StopPoints);
        EXPECT_EQ(change.scene, &scene);
        ++changes;
    });
    demo.Changes.setModified(false);
    AddStopPoint(scene, 100);
    RemoveStopPoint(scene, 4);
    MoveStopPoint(scene, 0, 5);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(demo.Changes.modified());
    AddStopPoint(scene, 4);
    MoveStopPoint(scene, 0, 5);
    RemoveStopPoint(scene, 5);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(demo.Changes.modified());
}

} // namespace
} // namespace vantora
