// The demo's scene list: new scenes, moving, clearing, duplicating through the installed copier,
// and the change notifications the editor listens to.
#include "model/demo_settings.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

std::vector<std::string> sceneNames(const TVantora& demo) {
    std::vector<std::string> result;
    for (const auto& scene : demo.Scenes)
        result.push_back(scene->Name);
    return result;
}

TVantora& demoWithScenes(TVantora& demo, int count) {
    for (int i = 0; i < count; ++i)
        NewScene(demo);
    return demo;
}

// Restores the program-wide copier when a test ends.
struct CopierGuard {
    SceneCopier previous;
    explicit CopierGuard(SceneCopier copier) : previous(InstallSceneCopier(std::move(copier))) {}
    ~CopierGuard() { InstallSceneCopier(std::move(previous)); }
};

TEST(ModelScenes, StartUpDemoAndNewSceneDefaults) {
    TVantora demo;
    EXPECT_EQ(demo.Name, "Demo");
    EXPECT_EQ(demo.Width, 640);
    EXPECT_EQ(demo.Height, 480);
    EXPECT_EQ(demo.BackColor, clWhite);
    EXPECT_EQ(demo.FrameRateFactor, 2);
    EXPECT_FALSE(demo.Changes.modified());

    TDemoFrame& scene = NewScene(demo);
    EXPECT_EQ(scene.Name, "Scene1");
    EXPECT_EQ(scene.BackColor, clWhite);
    EXPECT_TRUE(scene.BackImage.empty());
    EXPECT_EQ(scene.BackImageStyle, 0);
    EXPECT_EQ(scene.Animation, TAnimationSettings{});
    EXPECT_TRUE(scene.StopPoints.empty());
    EXPECT_EQ(scene.Length, 100);
    EXPECT_EQ(scene.Demo, &demo);
    EXPECT_TRUE(demo.Changes.modified());
}

TEST(ModelScenes, MoveSceneShiftsTheScenesBetween) {
    TVantora demo;
    demoWithScenes(demo, 4);
    EXPECT_TRUE(MoveScene(demo, 0, 2));
    EXPECT_EQ(sceneNames(demo), (std::vector<std::string>{"Scene2", "Scene3", "Scene1", "Scene4"}));
    EXPECT_TRUE(MoveScene(demo, 3, 0));
    EXPECT_EQ(sceneNames(demo), (std::vector<std::string>{"Scene4", "Scene2", "Scene3", "Scene1"}));
}

TEST(ModelScenes, MoveSceneRefusesSameOrOutsideIndexes) {
    TVantora demo;
    demoWithScenes(demo, 2);
    demo.Changes.setModified(false);
    EXPECT_FALSE(MoveScene(demo, 1, 1));
    EXPECT_FALSE(MoveScene(demo, 2, 0));
    EXPECT_FALSE(MoveScene(demo, 0, 2));
    EXPECT_EQ(sceneNames(demo), (std::vector<std::string>{"Scene1", "Scene2"}));
    EXPECT_FALSE(demo.Changes.modified());
}

TEST(ModelScenes, ClearDemoFreesEverySceneAndLeavesSettings) {
    TVantora demo;
    demoWithScenes(demo, 3);
    NewObject(*demo.Scenes[0], TObjectKind::Note, 0, 0);
    demo.Name = "Tour";
    ClearDemo(demo);
    EXPECT_TRUE(demo.Scenes.empty());
    EXPECT_EQ(demo.Name, "Tour");
    FreeScene(nullptr); // tolerated
}

TEST(ModelScenes, FreeSceneEmptiesTheObjectList) {
    TDemoFrame scene;
    NewObject(scene, TObjectKind::Note, 0, 0);
    NewObject(scene, TObjectKind::Cursor, 0, 0);
    FreeScene(&scene);
    EXPECT_TRUE(scene.Objects.empty());
}

TEST(ModelScenes, DuplicateWithoutCopierReportsUnavailable) {
    CopierGuard guard(nullptr);
    TVantora demo;
    TDemoFrame& scene = NewScene(demo);
    auto result = DuplicateScene(demo, scene);
    EXPECT_EQ(result.status, DuplicateSceneResult::Status::Unavailable);
    EXPECT_EQ(result.copy, nullptr);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(demo.Scenes.size(), 1u);
}

TEST(ModelScenes, DuplicateAppendsTheCopyUnderANewName) {
    // A stand-in copier: the real one writes and reads the project-file scene record.
    CopierGuard guard([](const TDemoFrame& source, std::string&) {
        auto copy = std::make_unique<TDemoFrame>();
        copy->Name = source.Name;
        copy->Length = source.Length;
        copy->Demo = source.Demo;
        for (const auto& object : source.Objects)
            copy->Objects.push_back(std::make_unique<TDemoObject>(*object));
        return copy;
    });
    TVantora demo;
    demoWithScenes(demo, 2);
    TDemoFrame& source = *demo.Scenes[0];
    source.Length = 77;
    NewObject(source, TObjectKind::Note, 0, 0);
    demo.Changes.setModified(false);
    std::vector<ModelChangeKind> seen;
    demo.Changes.addListener([&](const ModelChange& change) { seen.push_back(change.kind); });

    auto result = DuplicateScene(demo, source);
    ASSERT_EQ(result.status, DuplicateSceneResult::Status::Done);
    ASSERT_EQ(demo.Scenes.size(), 3u);
    EXPECT_EQ(result.copy, demo.Scenes[2].get());
    EXPECT_EQ(result.copy->Name, "Scene3");
    EXPECT_EQ(result.copy->Length, 77);
    ASSERT_EQ(result.copy->Objects.size(), 1u);
    EXPECT_NE(result.copy->Objects[0].get(), source.Objects[0].get());
    EXPECT_EQ(seen, std::vector<ModelChangeKind>{ModelChangeKind::SceneAdded});
    EXPECT_TRUE(demo.Changes.modified());
}

TEST(ModelScenes, FailingCopierChangesNothing) {
    CopierGuard guard([](const TDemoFrame&, std::string& error) {
        error = "disk full";
        return std::unique_ptr<TDemoFrame>();
    });
    TVantora demo;
    TDemoFrame& scene = NewScene(demo);
    demo.Changes.setModified(false);
    auto result = DuplicateScene(demo, scene);
    EXPECT_EQ(result.status, DuplicateSceneResult::Status::Failed);
    EXPECT_EQ(result.error, "disk full");
    EXPECT_EQ(demo.Scenes.size(), 1u);
    EXPECT_FALSE(demo.Changes.modified());
}

TEST(ModelScenes, EditsReportWhatChangedAndAdoptingReportsNothing) {
    TVantora demo;
    std::vector<ModelChange> seen;
    demo.Changes.addListener([&](const ModelChange& change) { seen.push_back(change); });
    TDemoFrame& adopted = AdoptScene(demo, std::make_unique<TDemoFrame>());
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(demo.Changes.modified());
    EXPECT_EQ(adopted.Demo, &demo);

    TDemoObject& note = NewObject(adopted, TObjectKind::Note, 0, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, ModelChangeKind::ObjectAdded);
    EXPECT_EQ(seen[0].scene, &adopted);
    EXPECT_EQ(seen[0].object, &note);

    TDemoFrame loose; // a scene of no demo reports to nobody
    NewObject(loose, TObjectKind::Note, 0, 0);
    EXPECT_EQ(seen.size(), 1u);
}

TEST(ModelDemoSettings, SizesAreClampedAndOnlyKnownFrameRatesTaken) {
    TVantora demo;
    int reports = 0;
    demo.Changes.addListener([&](const ModelChange& change) {
        EXPECT_EQ(change.kind, ModelChangeKind::DemoSettings);
        ++reports;
    });
    ApplyDemoSettings(demo, {"Tour", 0, 10000, clYellow, 4});
    EXPECT_EQ(DemoSettingsOf(demo), (TDemoSettings{"Tour", 1, 9999, clYellow, 4}));
    ApplyDemoSettings(demo, {"", 240, 320, clBlack, 3});
    EXPECT_EQ(DemoSettingsOf(demo), (TDemoSettings{"", 240, 320, clBlack, 4}));
    EXPECT_EQ(reports, 2);
    EXPECT_TRUE(demo.Changes.modified());
    EXPECT_FALSE(IsValidFrameRateFactor(0));
    EXPECT_TRUE(IsValidFrameRateFactor(1));
}

} // namespace
} // namespace vantora
