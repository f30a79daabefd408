// Unique scene and object names: the smallest free number, exact comparison.
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

TDemoObject& addNamed(TDemoFrame& scene, TObjectKind kind, const std::string& name) {
    scene.Objects.push_back(std::make_unique<TDemoObject>());
    scene.Objects.back()->Kind = kind;
    scene.Objects.back()->Name = name;
    return *scene.Objects.back();
}

TEST(ModelNaming, ObjectNameFillsTheFirstGap) {
    TDemoFrame scene;
    addNamed(scene, TObjectKind::Note, "Note1");
    addNamed(scene, TObjectKind::Note, "Note3");
    EXPECT_EQ(UniqueObjectName(scene, TObjectKind::Note), "Note2");
}

TEST(ModelNaming, ObjectNameCountsNamesOfAnyKind) {
    TDemoFrame scene;
    // A label renamed to "Shape1" still blocks that name for a new shape.
    addNamed(scene, TObjectKind::Label, "Shape1");
    EXPECT_EQ(UniqueObjectName(scene, TObjectKind::Shape), "Shape2");
    EXPECT_EQ(UniqueObjectName(scene, TObjectKind::RoundBalloon), "RoundBalloon1");
}

TEST(ModelNaming, ObjectNameComparisonIsCaseSensitive) {
    TDemoFrame scene;
    addNamed(scene, TObjectKind::Note, "note1");
    addNamed(scene, TObjectKind::Note, "Note1 ");
    EXPECT_EQ(UniqueObjectName(scene, TObjectKind::Note), "Note1");
}

TEST(ModelNaming, SceneNameFillsTheFirstGap) {
    TVantora demo;
    NewScene(demo).Name = "Scene1";
    NewScene(demo).Name = "Scene3";
    EXPECT_EQ(UniqueSceneName(demo), "Scene2");
    EXPECT_EQ(NewScene(demo).Name, "Scene2");
    EXPECT_EQ(NewScene(demo).Name, "Scene4");
}

TEST(ModelNaming, SceneNameComparisonIsCaseSensitive) {
    TVantora demo;
    NewScene(demo).Name = "scene1";
    EXPECT_EQ(UniqueSceneName(demo), "Scene1");
}

TEST(ModelNaming, NewObjectsAreNumberedPerKind) {
    TDemoFrame scene;
    EXPECT_EQ(NewObject(scene, TObjectKind::Note, 0, 0).Name, "Note1");
    EXPECT_EQ(NewObject(scene, TObjectKind::Note, 0, 0).Name, "Note2");
    EXPECT_EQ(NewObject(scene, TObjectKind::InputText, 0, 0).Name, "InputText1");
}

TEST(ModelNaming, KindNamesRoundTripThroughTheirCodes) {
    for (int code = 0; code < kObjectKindCount; ++code) {
        auto kind = ObjectKindFromByte(static_cast<std::uint8_t>(code));
        ASSERT_TRUE(kind.has_value());
        EXPECT_EQ(ObjectKindFromName(ObjectKindName(*kind)), kind);
    }
    EXPECT_FALSE(ObjectKindFromByte(11).has_value());
    EXPECT_FALSE(ObjectKindFromByte(255).has_value());
    EXPECT_FALSE(ObjectKindFromName("note").has_value());
    EXPECT_EQ(ObjectKindName(TObjectKind::Balloon), "Balloon");
}

} // namespace
} // namespace vantora
