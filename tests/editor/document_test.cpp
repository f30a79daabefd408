// The document's modified state, its history across New/Open/Save, and the signals the window
// and panes listen to.

#include "document_fixture.h"

#include "storage/project_file.h"
#include "test_support.h"

#include <QSignalSpy>

namespace vantora::test {
namespace {

class DocumentState : public DocumentFixture {};

TEST_F(DocumentState, ModifiedFollowsTheHistoryBackToTheLastSave) {
    QSignalSpy modified(&document, &EditorDocument::modifiedChanged);
    EXPECT_FALSE(document.isModified());

    document.addObject(TObjectKind::Note, 10, 10);
    EXPECT_TRUE(document.isModified());
    document.addObject(TObjectKind::Label, 20, 20);
    document.markSaved();
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.demo().Changes.modified());

    stack().undo(); // before the save: modified again
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.demo().Changes.modified());
    stack().redo(); // back at the save
    EXPECT_FALSE(document.isModified());

    stack().undo();
    stack().undo(); // before both edits, which was never saved
    EXPECT_TRUE(document.isModified());

    ASSERT_GE(modified.count(), 4);
    EXPECT_EQ(modified.first().at(0).toBool(), true);
    EXPECT_EQ(modified.last().at(0).toBool(), true);
}

TEST_F(DocumentState, AnEditAfterUndoingPastTheSaveNeverComesBackClean) {
    document.addObject(TObjectKind::Note, 0, 0);
    document.markSaved();
    stack().undo();
    document.addObject(TObjectKind::Shape, 0, 0); // the saved state left the history
    EXPECT_TRUE(document.isModified());
    stack().undo();
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentState, ANewDemoIsModifiedUntilSavedAndHasNoHistory) {
    document.addObject(TObjectKind::Note, 0, 0);
    TDemoSettings settings{"Tour", 800, 600, 0x00123456, 4};
    QSignalSpy reset(&document, &EditorDocument::demoReset);
    document.newDemo(settings, true);

    EXPECT_EQ(reset.count(), 1);
    EXPECT_FALSE(stack().canUndo());
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.fileName().isEmpty());
    ASSERT_EQ(document.demo().Scenes.size(), 1u);
    EXPECT_EQ(document.currentScene(), document.demo().Scenes[0].get());
    EXPECT_EQ(DemoSettingsOf(document.demo()), settings);

    // An edit and its undo do not make the unsaved new demo look saved.
    document.addObject(TObjectKind::Note, 0, 0);
    stack().undo();
    EXPECT_TRUE(document.isModified());

    document.newDemo(settings, false);
    EXPECT_TRUE(document.demo().Scenes.empty());
    EXPECT_EQ(document.currentScene(), nullptr);
}

TEST_F(DocumentState, SaveAndOpenKeepTheBytesAndStartACleanHistory) {
    TempDir dir;
    place(TObjectKind::Note, 5, 5);
    document.addObject(TObjectKind::Button, 30, 40);
    const auto saved = bytes();
    QSignalSpy named(&document, &EditorDocument::fileNameChanged);

    ASSERT_TRUE(document.save(dir / "tour.vtp").ok);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(named.count(), 1);
    EXPECT_EQ(readFileBytes(dir / "tour.vtp"), std::vector<unsigned char>(saved.begin(), saved.end()));

    document.addObject(TObjectKind::Label, 0, 0);
    ASSERT_TRUE(document.open(dir / "tour.vtp").ok);
    EXPECT_FALSE(stack().canUndo());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(bytes(), saved);
    ASSERT_EQ(document.demo().Scenes.size(), 1u);
    EXPECT_EQ(document.currentScene(), document.demo().Scenes[0].get());
    EXPECT_TRUE(document.selectedObjects().empty());
}

TEST_F(DocumentState, AFailedOpenChangesNothing) {
    TempDir dir;
    writeFileBytes(dir / "broken.vtp", {1, 2, 3});
    document.addObject(TObjectKind::Note, 0, 0);
    const auto before = bytes();
    const StorageResult result = document.open(dir / "broken.vtp");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(stack().canUndo()); // the history still fits the demo
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.currentScene(), scene);
}

TEST_F(DocumentState, ASaveThatFailsLeavesTheDocumentModified) {
    TempDir dir;
    document.addObject(TObjectKind::Note, 0, 0);
    const StorageResult result = document.save(dir / "missing-folder" / "tour.vtp");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.fileName().isEmpty());
}

TEST_F(DocumentState, ModelChangesReachTheDocumentsListenersAndOthers) {
    QSignalSpy changes(&document, &EditorDocument::modelChanged);
    std::vector<ModelChangeKind> seenByOther;
    const auto id = document.demo().Changes.addListener(
        [&](const ModelChange& change) { seenByOther.push_back(change.kind); });
    document.addObject(TObjectKind::Note, 0, 0);
    document.demo().Changes.removeListener(id);
    stack().undo();

    EXPECT_GE(changes.count(), 2); // added, then removed again
    ASSERT_FALSE(seenByOther.empty());
    EXPECT_EQ(seenByOther.back(), ModelChangeKind::ObjectAdded); // removed listeners hear no more
}

TEST_F(DocumentState, SetCurrentSceneRefusesAForeignScene) {
    TVantora other;
    TDemoFrame& foreign = NewScene(other);
    document.setCurrentScene(&foreign);
    EXPECT_EQ(document.currentScene(), scene);
    QSignalSpy current(&document, &EditorDocument::currentSceneChanged);
    document.setCurrentScene(nullptr);
    EXPECT_EQ(document.currentScene(), nullptr);
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(document.addObject(TObjectKind::Note, 0, 0), nullptr); // no scene: nothing happens
    EXPECT_FALSE(stack().canUndo());
}

} // namespace
} // namespace vantora::test
