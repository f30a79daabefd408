// Reordering scenes by dropping a card on another in the main window's scene list: one undoable
// move, the moved scene selected and focused, the drop-target line while dragging, and drags that
// did not start in this list refused.

#include "main_form_fixture.h"

#include "editor/document/editor_document.h"
#include "editor/scene_list/scene_list_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUndoStack>

namespace vantora::test {
namespace {

class SceneListDrag : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        project = home.path() / "sample.vtp";
        writeFileBytes(project, readFileBytes(VANTORA_SAMPLE_PROJECT));
        ASSERT_TRUE(form->OpenProject(QString::fromStdString(project.string())));
        ASSERT_EQ(doc().demo().Scenes.size(), 4u);
        for (const auto& scene : doc().demo().Scenes)
            original.push_back(scene.get());
        list = dynamic_cast<SceneListWidget*>(form->sceneList());
        ASSERT_NE(list, nullptr);
        form->resize(1200, 800);
        form->show();
    }
    EditorDocument& doc() { return form->document(); }

    std::vector<const TDemoFrame*> order() {
        std::vector<const TDemoFrame*> scenes;
        for (const auto& scene : doc().demo().Scenes)
            scenes.push_back(scene.get());
        return scenes;
    }
    QStringList entryTexts() const {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    QStringList demoNames() {
        QStringList names;
        for (const auto& scene : doc().demo().Scenes)
            names << QString::fromStdString(scene->Name);
        return names;
    }
    QPoint cardCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }

    // What a drag of the current entry carries.
    std::unique_ptr<QMimeData> dragOfCurrent() const {
        return std::unique_ptr<QMimeData>(list->mimeData({list->currentItem()}));
    }
    bool enter(const QMimeData& data, QPoint at) {
        QDragEnterEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
        return event.isAccepted();
    }
    bool moveOver(const QMimeData& data, QPoint at) {
        QDragMoveEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
        return event.isAccepted();
    }
    void drop(const QMimeData& data, QPoint at) {
        QDropEvent event(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    // A whole drag of the selected card onto the card in `row`.
    void dragSelectedOnto(int row) {
        const auto data = dragOfCurrent();
        ASSERT_TRUE(enter(*data, cardCentre(list->currentRow())));
        ASSERT_TRUE(moveOver(*data, cardCentre(row)));
        drop(*data, cardCentre(row));
    }

    std::filesystem::path project;
    std::vector<const TDemoFrame*> original;
    SceneListWidget* list = nullptr;
};

TEST_F(SceneListDrag, DroppingTheSelectedSceneOnAnotherMovesItThereInOneUndoStep) {
    list->setCurrentRow(0);
    ASSERT_EQ(doc().currentScene(), original[0]);
    const int steps = doc().undoStack().count();

    dragSelectedOnto(2);
    // The scenes between shift up by one; the moved one is selected and focused at its new place.
    EXPECT_EQ(order(), (std::vector<const TDemoFrame*>{original[1], original[2], original[0], original[3]}));
    EXPECT_EQ(doc().undoStack().count(), steps + 1);
    EXPECT_EQ(doc().currentScene(), original[0]);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(form->focusWidget(), list);
    EXPECT_EQ(entryTexts(), demoNames());
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("3/4 Scene(s)"));
    EXPECT_EQ(list->dropTargetRow(), -1);

    doc().undoStack().undo();
    EXPECT_EQ(order(), original);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(entryTexts(), demoNames());
    doc().undoStack().redo();
    EXPECT_EQ(order()[2], original[0]);
}

TEST_F(SceneListDrag, DroppingUpwardsShiftsTheScenesBetweenDown) {
    list->setCurrentRow(3);
    dragSelectedOnto(1);
    EXPECT_EQ(order(), (std::vector<const TDemoFrame*>{original[0], original[3], original[1], original[2]}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(doc().currentScene(), original[3]);
}

TEST_F(SceneListDrag, DroppingOnItselfOrOnNoCardDoesNothing) {
    list->setCurrentRow(1);
    const int steps = doc().undoStack().count();
    dragSelectedOnto(1);
    EXPECT_EQ(order(), original);
    EXPECT_EQ(doc().undoStack().count(), steps);
    EXPECT_FALSE(doc().isModified());

    // Below the last card there is no scene to drop on.
    const auto data = dragOfCurrent();
    const QPoint belowAll(10, list->visualItemRect(list->item(3)).bottom() + 20);
    ASSERT_LT(belowAll.y(), list->viewport()->height());
    ASSERT_TRUE(enter(*data, cardCentre(1)));
    moveOver(*data, belowAll);
    EXPECT_EQ(list->dropTargetRow(), -1);
    drop(*data, belowAll);
    EXPECT_EQ(order(), original);
    EXPECT_EQ(doc().undoStack().count(), steps);
}

TEST_F(SceneListDrag, TheCardUnderTheDragIsTheDropTargetUntilTheDragLeaves) {
    list->setCurrentRow(0);
    const auto data = dragOfCurrent();
    ASSERT_TRUE(enter(*data, cardCentre(0)));
    EXPECT_EQ(list->dropTargetRow(), 0);
    ASSERT_TRUE(moveOver(*data, cardCentre(3)));
    EXPECT_EQ(list->dropTargetRow(), 3);
    QDragLeaveEvent leave;
    QApplication::sendEvent(list->viewport(), &leave);
    EXPECT_EQ(list->dropTargetRow(), -1);
    EXPECT_EQ(order(), original);
}

TEST_F(SceneListDrag, DragsFromElsewhereAreRefused) {
    list->setCurrentRow(0);
    const int steps = doc().undoStack().count();
    // Text from another program, and a card of another scene list (another window's).
    QMimeData text;
    text.setText(QStringLiteral("Scene"));
    SceneListWidget other(doc());
    other.addItem(QStringLiteral("x"));
    other.setCurrentRow(0);
    const std::unique_ptr<QMimeData> foreignCard(other.mimeData({other.item(0)}));
    for (const QMimeData* data : {static_cast<const QMimeData*>(&text), static_cast<const QMimeData*>(foreignCard.get())}) {
        EXPECT_FALSE(enter(*data, cardCentre(2)));
        EXPECT_FALSE(moveOver(*data, cardCentre(2)));
        EXPECT_EQ(list->dropTargetRow(), -1);
        drop(*data, cardCentre(2));
    }
    EXPECT_EQ(order(), original);
    EXPECT_EQ(doc().undoStack().count(), steps);
}

TEST_F(SceneListDrag, CardsAre100HighAndStackWithoutGaps) {
    // An entry spans the list's width; its card takes the first 128 pixels of it.
    for (int row = 0; row < list->count(); ++row) {
        const QRect entry = list->visualItemRect(list->item(row));
        EXPECT_EQ(entry.height(), 100) << row;
        EXPECT_GE(entry.width(), 128) << row;
    }
    EXPECT_EQ(list->visualItemRect(list->item(1)).top(), list->visualItemRect(list->item(0)).bottom() + 1);
}

} // namespace
} // namespace vantora::test
