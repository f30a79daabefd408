// The Scene and Edit menus driven as a user would: scene list and status texts, the enabling
// computed when a menu opens, each command's effect on the model, the clipboard format, and undo
// and redo of every command back to the bytes of the saved project.
#include "main_form_fixture.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "storage/project_file.h"

#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>

namespace vantora::test {
namespace {

class SceneAndEditCommands : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        original = readFileBytes(VANTORA_SAMPLE_PROJECT);
        project = home.path() / "sample.vtp";
        writeFileBytes(project, original);
        ASSERT_TRUE(form->OpenProject(QString::fromStdString(project.string())));
        QApplication::clipboard()->clear();
    }
    EditorDocument& doc() { return form->document(); }
    QStringList sceneNames() const {
        QStringList names;
        for (int i = 0; i < form->sceneList()->count(); ++i)
            names << form->sceneList()->item(i)->text();
        return names;
    }
    QStringList demoSceneNames() {
        QStringList names;
        for (const auto& scene : doc().demo().Scenes)
            names << QString::fromStdString(scene->Name);
        return names;
    }
    // The bytes the project would have if saved now.
    std::vector<std::uint8_t> bytesNow() {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(SerializeProject(doc().demo(), bytes));
        return bytes;
    }
    std::map<const char*, bool> enabledIn(const char* menuName, std::initializer_list<const char*> names) {
        openMenu(menu(menuName));
        std::map<const char*, bool> enabled;
        for (const char* name : names)
            enabled[name] = action(name)->isEnabled();
        closeMenu(menu(menuName));
        return enabled;
    }
    void selectObject(std::size_t index) {
        TDemoFrame* scene = doc().currentScene();
        ASSERT_NE(scene, nullptr);
        ASSERT_LT(index, scene->Objects.size());
        doc().selection().selectOnly(scene->Objects[index].get());
    }

    std::vector<unsigned char> original;
    std::filesystem::path project;
};

TEST_F(SceneAndEditCommands, TheSceneListFollowsTheDemoAndPicksTheCurrentScene) {
    EXPECT_EQ(sceneNames(), demoSceneNames());
    form->sceneList()->setCurrentRow(2);
    EXPECT_EQ(doc().currentScene(), doc().demo().Scenes[2].get());
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("3/4 Scene(s)"));
    EXPECT_EQ(form->objectBox()->count(), static_cast<int>(doc().demo().Scenes[2]->Objects.size()) + 1);
    EXPECT_EQ(form->objectBox()->currentIndex(), 0); // nothing selected: the scene is picked
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Scene"));
}

TEST_F(SceneAndEditCommands, TheObjectBoxAndTheObjectPanelFollowTheSelection) {
    const std::size_t count = doc().currentScene()->Objects.size();
    ASSERT_GE(count, 2u);
    selectObject(1);
    EXPECT_EQ(form->objectBox()->currentIndex(), 2);
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("2/%1 Object(s)").arg(count));
    // Two selected: nothing is picked.
    doc().selection().select(doc().currentScene()->Objects[0].get());
    EXPECT_EQ(form->objectBox()->currentIndex(), -1);
    EXPECT_EQ(form->statusPanelText(1), QString());
    // Picking an item in the box selects only that object; item 0 selects none.
    form->objectBox()->setCurrentIndex(1);
    emit form->objectBox()->activated(1);
    EXPECT_EQ(doc().selectedObjects(), std::vector<TDemoObject*>{doc().currentScene()->Objects[0].get()});
    emit form->objectBox()->activated(0);
    EXPECT_TRUE(doc().selectedObjects().empty());
}

TEST_F(SceneAndEditCommands, SceneCommandsAreEnabledByThePlaceOfTheScene) {
    auto e = enabledIn("Scene1", {"DuplicateScene1", "DeleteScene1", "PreviewScene1", "MoveUp1", "MoveToFirst1",
                                  "MoveDown1", "MoveToLast1"});
    EXPECT_TRUE(e["DuplicateScene1"] && e["DeleteScene1"] && e["PreviewScene1"]);
    EXPECT_FALSE(e["MoveUp1"] || e["MoveToFirst1"]);
    EXPECT_TRUE(e["MoveDown1"] && e["MoveToLast1"]);
    // Closed again, the shortcuts and tool buttons reach the commands, which check for themselves.
    EXPECT_TRUE(action("MoveUp1")->isEnabled());

    form->selectScene(3);
    e = enabledIn("ScenePopupMenu", {"MoveUp1", "MoveDown1", "DeleteScenePopup1"});
    EXPECT_TRUE(e["MoveUp1"] && e["DeleteScenePopup1"]);
    EXPECT_FALSE(e["MoveDown1"]);

    form->selectScene(std::nullopt);
    e = enabledIn("Scene1", {"DuplicateScene1", "DeleteScene1", "PreviewScene1", "MoveUp1", "MoveDown1"});
    for (const auto& [name, enabled] : e)
        EXPECT_FALSE(enabled) << name;
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("4 Scene(s)"));
}

TEST_F(SceneAndEditCommands, EditCommandsAreEnabledByTheSelection) {
    const std::initializer_list<const char*> items = {"Copy1", "Paste1", "Duplicate1", "Delete1", "Clear1",
                                                      "BringToFront1", "SendToBack1", "Undo1", "Redo1"};
    auto e = enabledIn("Edit1", items);
    EXPECT_FALSE(e["Copy1"] || e["Paste1"] || e["Duplicate1"] || e["Delete1"] || e["BringToFront1"]);
    EXPECT_TRUE(e["Clear1"]);
    EXPECT_FALSE(e["Undo1"] || e["Redo1"]); // a freshly opened project has no history

    selectObject(0);
    e = enabledIn("Edit1", items);
    EXPECT_TRUE(e["Copy1"] && e["Duplicate1"] && e["Delete1"] && e["BringToFront1"] && e["SendToBack1"]);
    EXPECT_FALSE(e["Paste1"]);

    action("Copy1")->trigger();
    e = enabledIn("CanvasPopupMenu", items);
    EXPECT_TRUE(e["Paste1"]);

    doc().selection().setSelected({doc().currentScene()->Objects[0].get(), doc().currentScene()->Objects[1].get()});
    e = enabledIn("Edit1", items);
    EXPECT_TRUE(e["Copy1"] && e["Delete1"]);
    EXPECT_FALSE(e["BringToFront1"] || e["SendToBack1"]);

    action("Delete1")->trigger();
    e = enabledIn("Edit1", items);
    EXPECT_TRUE(e["Undo1"]);
    EXPECT_FALSE(e["Redo1"]);
}

TEST_F(SceneAndEditCommands, CopyPutsThePrivateFormatOnTheClipboard) {
    action("Copy1")->trigger(); // nothing selected: nothing copied
    const QMimeData* empty = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!empty || !empty->hasFormat(QStringLiteral("application/x-vantora")));
    selectObject(0);
    action("Copy1")->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QStringLiteral("application/x-vantora")));
    const QByteArray block = data->data(QStringLiteral("application/x-vantora"));
    ASSERT_GE(block.size(), 8);
    // int32 byte count, then an int32 object count of one.
    EXPECT_EQ(static_cast<unsigned char>(block[4]), 1u);
    EXPECT_FALSE(doc().isModified()); // copying changes nothing
}

TEST_F(SceneAndEditCommands, NewDuplicateMoveAndDeleteScenes) {
    const QStringList before = demoSceneNames();
    action("NewScene1")->trigger();
    EXPECT_EQ(doc().demo().Scenes.size(), 5u);
    EXPECT_EQ(doc().currentScene(), doc().demo().Scenes[4].get());
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("5/5 Scene(s)"));
    EXPECT_TRUE(form->isWindowModified());

    form->selectScene(1);
    const std::size_t objects = doc().demo().Scenes[1]->Objects.size();
    action("DuplicateScene1")->trigger();
    ASSERT_EQ(doc().demo().Scenes.size(), 6u);
    const TDemoFrame* copy = doc().demo().Scenes[5].get();
    EXPECT_EQ(doc().currentScene(), copy);
    EXPECT_EQ(copy->Objects.size(), objects);
    EXPECT_FALSE(before.contains(QString::fromStdString(copy->Name))); // a name of its own

    action("MoveToFirst1")->trigger();
    EXPECT_EQ(doc().demo().Scenes[0].get(), copy);
    EXPECT_EQ(doc().currentScene(), copy);
    EXPECT_EQ(form->sceneList()->currentRow(), 0);
    const int steps = doc().undoStack().count();
    action("MoveUp1")->trigger(); // first already: nothing happens
    EXPECT_EQ(doc().undoStack().count(), steps);
    action("MoveDown1")->trigger();
    EXPECT_EQ(doc().demo().Scenes[1].get(), copy);
    action("MoveToLast1")->trigger();
    EXPECT_EQ(doc().demo().Scenes[5].get(), copy);
    action("MoveDown1")->trigger(); // last already
    EXPECT_EQ(doc().undoStack().count(), steps + 2);
    action("MoveUp1")->trigger();
    EXPECT_EQ(doc().demo().Scenes[4].get(), copy);

    action("DeleteScene1")->trigger(); // no question asked
    EXPECT_EQ(doc().demo().Scenes.size(), 5u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(sceneNames(), demoSceneNames());
}

TEST_F(SceneAndEditCommands, DeleteAndClearObjects) {
    TDemoFrame* scene = doc().currentScene();
    const std::size_t count = scene->Objects.size();
    selectObject(0);
    action("Delete1")->trigger();
    EXPECT_EQ(scene->Objects.size(), count - 1);
    EXPECT_EQ(form->objectBox()->count(), static_cast<int>(count)); // the scene and the rest
    action("Delete1")->trigger(); // nothing selected any more
    EXPECT_EQ(scene->Objects.size(), count - 1);
    action("Clear1")->trigger();
    EXPECT_TRUE(scene->Objects.empty());
    EXPECT_EQ(form->objectBox()->count(), 1);
    action("Undo1")->trigger();
    EXPECT_EQ(scene->Objects.size(), count - 1);
}

TEST_F(SceneAndEditCommands, AlignMovesTheSelectionInOneUndoStep) {
    TDemoFrame* scene = doc().currentScene();
    ASSERT_GE(scene->Objects.size(), 3u);
    TDemoObject* a = scene->Objects[0].get();
    TDemoObject* b = scene->Objects[1].get();
    TDemoObject* c = scene->Objects[2].get();
    b->Left = a->Left + 37; // make sure there is something to align
    const std::vector<std::uint8_t> before = bytesNow();
    doc().selection().setSelected({c, a, b});
    auto e = enabledIn("Edit1", {"AlignToGrid1", "AlignLeft1", "AlignBottom1"});
    EXPECT_TRUE(e["AlignToGrid1"] && e["AlignLeft1"] && e["AlignBottom1"]);
    action("AlignLeft1")->trigger();
    EXPECT_EQ(b->Left, a->Left); // the first in list order is the reference
    EXPECT_EQ(c->Left, a->Left);
    action("Undo1")->trigger();
    EXPECT_EQ(bytesNow(), before);

    doc().selection().selectOnly(b);
    e = enabledIn("Edit1", {"AlignToGrid1", "AlignLeft1"});
    EXPECT_TRUE(e["AlignToGrid1"]);
    EXPECT_FALSE(e["AlignLeft1"]); // the six others want two
    b->Left = 13;
    action("AlignToGrid1")->trigger();
    EXPECT_EQ(b->Left, 16);
}

TEST_F(SceneAndEditCommands, PastingTwiceMovesEachCopyEightPixelsFurther) {
    TDemoFrame* scene = doc().currentScene();
    const std::size_t count = scene->Objects.size();
    const std::vector<std::uint8_t> before = bytesNow();
    TDemoObject* source = scene->Objects[0].get();
    const std::int32_t left = source->Left, top = source->Top;
    selectObject(0);
    action("Copy1")->trigger();
    action("Paste1")->trigger();
    action("Paste1")->trigger();
    ASSERT_EQ(scene->Objects.size(), count + 2);
    // The pasted objects are the selected ones; the first lies one grid cell away, the second 8
    // pixels further.
    const std::vector<TDemoObject*> second = doc().selectedObjects();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->Left, left + 8 + 8);
    EXPECT_EQ(second[0]->Top, top + 8 + 8);
    EXPECT_NE(second[0]->Name, source->Name); // the scene's names are taken: the copies get free ones
    EXPECT_GE(scene->Length, second[0]->EndTime);
    action("Undo1")->trigger();
    ASSERT_EQ(doc().selectedObjects().size(), 1u);
    EXPECT_EQ(doc().selectedObjects()[0]->Left, left + 8);
    action("Undo1")->trigger();
    EXPECT_EQ(bytesNow(), before);
}

TEST_F(SceneAndEditCommands, PasteGoesIntoTheCurrentSceneOnly) {
    selectObject(0);
    action("Copy1")->trigger();
    form->selectScene(2);
    const std::size_t count = doc().demo().Scenes[2]->Objects.size();
    const std::size_t first = doc().demo().Scenes[0]->Objects.size();
    action("Paste1")->trigger();
    EXPECT_EQ(doc().demo().Scenes[2]->Objects.size(), count + 1);
    EXPECT_EQ(doc().demo().Scenes[0]->Objects.size(), first);
    form->selectScene(std::nullopt);
    action("Paste1")->trigger(); // no scene: nothing
    EXPECT_EQ(doc().demo().Scenes[2]->Objects.size(), count + 1);
}

TEST_F(SceneAndEditCommands, ADamagedClipboardPastesWhatCanBeReadAndNothingCrashes) {
    doc().selection().setSelected({doc().currentScene()->Objects[0].get(), doc().currentScene()->Objects[1].get()});
    action("Copy1")->trigger();
    const QByteArray whole = QApplication::clipboard()->mimeData()->data(QStringLiteral("application/x-vantora"));
    const std::size_t count = doc().currentScene()->Objects.size();
    for (const qsizetype keep : {qsizetype(0), qsizetype(3), qsizetype(8), whole.size() / 2, whole.size() - 1}) {
        auto* data = new QMimeData;
        data->setData(QStringLiteral("application/x-vantora"), whole.left(keep));
        QApplication::clipboard()->setMimeData(data);
        action("Paste1")->trigger();
        EXPECT_LE(doc().currentScene()->Objects.size(), count + 1) << keep;
        while (doc().undoStack().canUndo())
            action("Undo1")->trigger();
        EXPECT_EQ(doc().currentScene()->Objects.size(), count);
    }
    // A huge claimed length is refused, not allocated.
    QByteArray lying = whole;
    lying[0] = lying[1] = lying[2] = static_cast<char>(0xFF);
    lying[3] = 0x7F;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("application/x-vantora"), lying);
    QApplication::clipboard()->setMimeData(data);
    action("Paste1")->trigger();
    EXPECT_LE(doc().currentScene()->Objects.size(), count + 2);
}

TEST_F(SceneAndEditCommands, DuplicateIsOneUndoStep) {
    TDemoFrame* scene = doc().currentScene();
    const std::size_t count = scene->Objects.size();
    const std::vector<std::uint8_t> before = bytesNow();
    selectObject(0);
    action("Duplicate1")->trigger();
    EXPECT_EQ(scene->Objects.size(), count + 1);
    EXPECT_EQ(doc().undoStack().count(), 1);
    action("Undo1")->trigger();
    EXPECT_EQ(bytesNow(), before);
}

TEST_F(SceneAndEditCommands, BringToFrontAndSendToBackMoveOneObject) {
    TDemoFrame* scene = doc().currentScene();
    // The last object of the kinds that are not cursors or sounds, which stay at the end.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < scene->Objects.size(); ++i)
        if (scene->Objects[i]->Kind != TObjectKind::Cursor && scene->Objects[i]->Kind != TObjectKind::Audio)
            plain = i;
    ASSERT_GE(plain, 1u);
    TDemoObject* object = scene->Objects[plain].get();
    const std::vector<std::uint8_t> before = bytesNow();
    doc().selection().selectOnly(object);
    action("SendToBack1")->trigger();
    EXPECT_EQ(scene->Objects[0].get(), object);
    action("BringToFront1")->trigger();
    EXPECT_EQ(scene->Objects[plain].get(), object); // in front of every plain object
    EXPECT_EQ(doc().undoStack().count(), 2);
    action("BringToFront1")->trigger(); // already in front: no step
    EXPECT_EQ(doc().undoStack().count(), 2);
    action("Undo1")->trigger();
    action("Undo1")->trigger();
    EXPECT_EQ(bytesNow(), before);
    // Two selected: z-order wants exactly one.
    doc().selection().setSelected({scene->Objects[0].get(), scene->Objects[1].get()});
    action("SendToBack1")->trigger();
    EXPECT_EQ(doc().undoStack().index(), 0);
    EXPECT_TRUE(doc().undoStack().canRedo()); // nothing new was pushed over the undone steps
}

TEST_F(SceneAndEditCommands, DeleteKeyInTheSceneListDeletesTheSelectedObjects) {
    form->show();
    QApplication::setActiveWindow(form.get());
    TDemoFrame* scene = doc().currentScene();
    const std::size_t count = scene->Objects.size();
    selectObject(0);
    form->sceneList()->setFocus();
    QTest::keyClick(form->sceneList(), Qt::Key_Delete);
    EXPECT_EQ(scene->Objects.size(), count - 1);
    EXPECT_EQ(doc().demo().Scenes.size(), 4u); // the scene itself stays
}

TEST_F(SceneAndEditCommands, WithoutASceneObjectCommandsDoNothing) {
    form->selectScene(std::nullopt);
    const std::vector<std::uint8_t> before = bytesNow();
    for (const char* name : {"Copy1", "Paste1", "Duplicate1", "Delete1", "Clear1", "BringToFront1", "SendToBack1",
                             "AlignToGrid1", "AlignLeft1", "DuplicateScene1", "DeleteScene1", "MoveUp1", "MoveDown1"})
        action(name)->trigger();
    EXPECT_EQ(bytesNow(), before);
    EXPECT_EQ(doc().undoStack().count(), 0);
}

TEST_F(SceneAndEditCommands, UndoingEveryCommandGivesBackTheSavedBytes) {
    const std::vector<std::uint8_t> saved(original.begin(), original.end());
    action("NewScene1")->trigger();
    form->selectScene(2);
    action("DuplicateScene1")->trigger();
    action("MoveToFirst1")->trigger();
    action("MoveDown1")->trigger();
    form->selectScene(3);
    selectObject(0);
    action("Delete1")->trigger();
    action("Clear1")->trigger();
    form->selectScene(1);
    action("DeleteScene1")->trigger();
    const std::vector<std::uint8_t> edited = bytesNow();
    ASSERT_NE(edited, saved);
    EXPECT_TRUE(form->isWindowModified());

    // Ctrl+Z all the way back: the saved state, unmodified.
    form->show();
    QApplication::setActiveWindow(form.get());
    while (doc().undoStack().canUndo())
        action("Undo1")->trigger();
    EXPECT_EQ(bytesNow(), saved);
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_EQ(sceneNames(), demoSceneNames());

    // Redo brings every step back; undo again, and saving writes the file's own bytes.
    while (doc().undoStack().canRedo())
        action("Redo1")->trigger();
    EXPECT_EQ(bytesNow(), edited);
    EXPECT_TRUE(form->isWindowModified());
    while (doc().undoStack().canUndo())
        action("Undo1")->trigger();
    ASSERT_TRUE(form->Save1Click());
    EXPECT_EQ(readFileBytes(project), original);
}

TEST_F(SceneAndEditCommands, UndoAndRedoKeysReachTheHistory) {
    form->show();
    QApplication::setActiveWindow(form.get());
    action("NewScene1")->trigger();
    ASSERT_EQ(doc().demo().Scenes.size(), 5u);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().demo().Scenes.size(), 4u);
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc().demo().Scenes.size(), 5u);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().demo().Scenes.size(), 5u);
}

} // namespace
} // namespace vantora::test
