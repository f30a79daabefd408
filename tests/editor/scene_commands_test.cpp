// New, delete and move scenes: the list, the current scene and the bytes after undo and redo.

#include "document_fixture.h"

namespace vantora::test {
namespace {

class SceneCommands : public DocumentFixture {
protected:
    std::vector<std::string> sceneNames() const {
        std::vector<std::string> names;
        for (const auto& each : document.demo().Scenes)
            names.push_back(each->Name);
        return names;
    }
};

TEST_F(SceneCommands, ANewSceneBecomesCurrentAndUndoGoesBackToThePreviousOne) {
    const auto before = bytes();
    TDemoFrame* added = document.addScene();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(sceneNames(), (std::vector<std::string>{"Scene1", "Scene2"}));
    EXPECT_EQ(document.currentScene(), added);
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(document.currentScene(), scene);
    stack().redo();
    EXPECT_EQ(document.currentScene(), added); // the same scene comes back
}

TEST_F(SceneCommands, DeletingTheCurrentSceneSelectsItsNeighbourAndUndoRestoresIt) {
    TDemoFrame* second = document.addScene();
    TDemoFrame* third = document.addScene();
    place(TObjectKind::Note); // on Scene1
    document.setCurrentScene(second);
    document.selection().select(scene->Objects[0].get());
    const auto before = bytes();

    ASSERT_TRUE(document.deleteCurrentScene());
    EXPECT_EQ(sceneNames(), (std::vector<std::string>{"Scene1", "Scene3"}));
    EXPECT_EQ(document.currentScene(), third); // the scene now at its place
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(document.currentScene(), second);
    EXPECT_EQ(document.demo().Scenes[1].get(), second);

    // Deleting the last scene falls back to the one before it.
    document.setCurrentScene(third);
    document.deleteCurrentScene();
    EXPECT_EQ(document.currentScene(), second);
}

TEST_F(SceneCommands, DeletingAllScenesLeavesNoCurrentScene) {
    ASSERT_TRUE(document.deleteCurrentScene());
    EXPECT_EQ(document.currentScene(), nullptr);
    EXPECT_FALSE(document.deleteCurrentScene());
    stack().undo();
    EXPECT_EQ(document.currentScene(), scene);
}

TEST_F(SceneCommands, UndoOfAnObjectEditOnADeletedAndRestoredSceneStillWorks) {
    document.addObject(TObjectKind::Note, 0, 0);
    const auto withNote = bytes();
    document.deleteCurrentScene();
    stack().undo(); // the scene is back, the same one
    stack().undo(); // so the note can go again
    EXPECT_TRUE(scene->Objects.empty());
    stack().redo();
    EXPECT_EQ(bytes(), withNote);
}

TEST_F(SceneCommands, MovingScenesUndoesAndOutOfRangeMovesDoNothing) {
    document.addScene();
    document.addScene();
    document.markSaved();
    const auto before = bytes();
    ASSERT_TRUE(document.moveScene(0, 2));
    EXPECT_EQ(sceneNames(), (std::vector<std::string>{"Scene2", "Scene3", "Scene1"}));
    expectUndoRedo(before, bytes());
    EXPECT_FALSE(document.moveScene(1, 1));
    EXPECT_FALSE(document.moveScene(0, 3));
    EXPECT_FALSE(document.moveScene(7, 0));
    EXPECT_EQ(stack().count(), 3);
}

} // namespace
} // namespace vantora::test
