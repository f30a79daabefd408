// Adding, deleting, clearing, moving and resizing objects: each undone and redone exactly,
// with the side effects that came with it.

#include "document_fixture.h"

#include "model/object_defaults.h"

namespace vantora::test {
namespace {

class ObjectCommands : public DocumentFixture {};

TEST_F(ObjectCommands, AddingAButtonTakesItsStopPointAndTheLongerSceneAlongOnUndo) {
    place(TObjectKind::Cursor);
    place(TObjectKind::Audio);
    scene->Length = 20;
    const auto before = bytes();

    TDemoObject* button = document.addObject(TObjectKind::Button, 40, 50);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Button1", "Cursor1", "Audio1"})); // normalised
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{15}));
    EXPECT_EQ(scene->Length, 30);
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{button}));
    expectUndoRedo(before, bytes());

    stack().undo();
    EXPECT_EQ(scene->Length, 20);
    EXPECT_TRUE(scene->StopPoints.empty());
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Cursor1", "Audio1"}));
    EXPECT_TRUE(document.selectedObjects().empty());
    stack().redo();
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{button})); // the same object again
}

TEST_F(ObjectCommands, DeletingPutsTheObjectsBackInTheirPlacesAndReselectsThem) {
    TDemoObject& note = place(TObjectKind::Note);
    TDemoObject& shape = place(TObjectKind::Shape);
    TDemoObject& label = place(TObjectKind::Label);
    document.selection().setSelected({&label, &note});
    const auto before = bytes();

    ASSERT_TRUE(document.deleteSelection());
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Shape1"}));
    EXPECT_TRUE(document.selection().isEmpty());
    expectUndoRedo(before, bytes());

    stack().undo();
    EXPECT_EQ(scene->Objects[0].get(), &note); // the very objects, not copies
    EXPECT_EQ(scene->Objects[1].get(), &shape);
    EXPECT_EQ(scene->Objects[2].get(), &label);
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{&note, &label}));
}

TEST_F(ObjectCommands, DeleteWithoutASelectionAndClearOfAnEmptySceneDoNothing) {
    EXPECT_FALSE(document.deleteSelection());
    EXPECT_FALSE(document.clearScene());
    place(TObjectKind::Note);
    EXPECT_FALSE(document.deleteSelection());
    EXPECT_FALSE(stack().canUndo());
}

TEST_F(ObjectCommands, ClearRemovesEveryObjectInOneStep) {
    place(TObjectKind::Note);
    place(TObjectKind::Cursor);
    place(TObjectKind::Audio);
    const auto before = bytes();
    ASSERT_TRUE(document.clearScene());
    EXPECT_TRUE(scene->Objects.empty());
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), "Clear");
    expectUndoRedo(before, bytes());
}

TEST_F(ObjectCommands, OneDragIsOneUndoStep) {
    TDemoObject& note = place(TObjectKind::Note, 10, 10);
    TDemoObject& shape = place(TObjectKind::Shape, 50, 50);
    const auto before = bytes();
    const int drag = document.newDragKey();
    for (int step = 1; step <= 5; ++step)
        document.setBounds({{&note, {10 + step, 10 + 2 * step, note.Width, note.Height}},
                            {&shape, {50 + step, 50, shape.Width, shape.Height}}},
                           drag);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(BoundsOf(note), (TObjectBounds{15, 20, 161, 145}));
    expectUndoRedo(before, bytes());

    // The next drag is a step of its own.
    document.setBounds({{&note, {0, 0, 20, 20}}}, document.newDragKey());
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(BoundsOf(note), (TObjectBounds{15, 20, 161, 145}));
}

TEST_F(ObjectCommands, ADragBackToWhereItStartedLeavesNoStep) {
    TDemoObject& note = place(TObjectKind::Note, 10, 10);
    const TObjectBounds start = BoundsOf(note);
    const int drag = document.newDragKey();
    document.setBounds({{&note, {30, 30, start.Width, start.Height}}}, drag);
    document.setBounds({{&note, start}}, drag);
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(document.isModified());
    document.setBounds({{&note, start}}); // no change at all: no step either
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(ObjectCommands, ReportsWithoutADragKeyStaySeparate) {
    TDemoObject& note = place(TObjectKind::Note, 10, 10);
    document.setBounds({{&note, {11, 10, 161, 145}}});
    document.setBounds({{&note, {12, 10, 161, 145}}});
    EXPECT_EQ(stack().count(), 2);
}

TEST_F(ObjectCommands, AnUndoneAddThatLeavesTheHistoryFreesItsObject) {
    // Run under the address sanitizer: a leak or a double free shows here.
    document.addObject(TObjectKind::Note, 0, 0);
    stack().undo();
    document.addObject(TObjectKind::Label, 0, 0); // the undone step is dropped with its object
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Label1"}));
    TDemoObject& label = *scene->Objects[0];
    document.selection().selectOnly(&label);
    document.deleteSelection();
    EXPECT_TRUE(scene->Objects.empty());
}

} // namespace
} // namespace vantora::test
