// The Edit menu on the selection: Copy, Paste, Duplicate, Bring To Front, Send To Back and the
// Align commands, each undone to the bytes from before it.

#include "document_fixture.h"

#include "storage/clipboard_block.h"

namespace vantora::test {
namespace {

class EditMenu : public DocumentFixture {};

TEST_F(EditMenu, PastingTwicePlacesTheSecondCopyEightPixelsFurther) {
    TDemoObject& note = place(TObjectKind::Note, 100, 50);
    document.setGridSize(10, 10);
    document.selection().selectOnly(&note);
    const auto block = document.copySelection();
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(document.pasteOffset(), 10); // the grid's X size

    const auto before = bytes();
    ASSERT_TRUE(document.pasteBlock(block));
    ASSERT_EQ(scene->Objects.size(), 2u);
    const TDemoObject& first = *scene->Objects[1];
    EXPECT_EQ(first.Name, "Note2"); // a name the scene uses gives way to the smallest free one
    EXPECT_EQ(first.Left, 110);
    EXPECT_EQ(first.Top, 60);
    EXPECT_EQ(document.selectedObjects(), (std::vector<TDemoObject*>{scene->Objects[1].get()}));
    expectUndoRedo(before, bytes());

    ASSERT_TRUE(document.pasteBlock(block));
    EXPECT_EQ(scene->Objects[2]->Name, "Note3");
    EXPECT_EQ(scene->Objects[2]->Left, 118);
    EXPECT_EQ(scene->Objects[2]->Top, 68);
}

TEST_F(EditMenu, APastedCursorPushesLaterCursorsAndLengthensTheSceneAndUndoTakesItBack) {
    TDemoObject& cursor = place(TObjectKind::Cursor); // 0-20
    cursor.EndTime = 90;
    place(TObjectKind::Audio);
    document.markSaved();
    document.selection().selectOnly(&cursor);
    const auto block = document.copySelection();
    TDemoObject& later = place(TObjectKind::Cursor); // starts at 90
    later.StartTime = 10;
    later.EndTime = 30;
    document.markSaved();
    const auto before = bytes();

    ASSERT_TRUE(document.pasteBlock(block));
    // [Cursor1, Audio1, Cursor2, pasted] normalised to cursors first, audio last.
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Cursor1", "Cursor2", "Cursor3", "Audio1"}));
    EXPECT_EQ(later.StartTime, 90); // pushed behind the first cursor
    EXPECT_EQ(later.EndTime, 110);
    EXPECT_EQ(scene->Objects[2]->StartTime, 110); // the pasted cursor follows the pushed one
    EXPECT_EQ(scene->Length, 200);
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(later.StartTime, 10);
    EXPECT_EQ(scene->Length, 110);
}

TEST_F(EditMenu, ADamagedBlockPastesTheObjectsReadBeforeTheDamage) {
    TDemoObject& note = place(TObjectKind::Note);
    TDemoObject& label = place(TObjectKind::Label);
    document.selection().setSelected({&note, &label});
    auto block = document.copySelection();
    block.resize(block.size() - 5); // the second record is cut short, the byte count says so
    const auto inner = static_cast<std::uint32_t>(block.size() - 4);
    for (int i = 0; i < 4; ++i)
        block[std::size_t(i)] = static_cast<std::uint8_t>(inner >> (8 * i));
    ASSERT_TRUE(document.pasteBlock(block));
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Note1", "Label1", "Note2"}));
    EXPECT_FALSE(document.pasteBlock(std::vector<std::uint8_t>{1, 2, 3})); // nothing readable
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(EditMenu, NothingToCopyOrPasteWithoutASceneOrASelection) {
    place(TObjectKind::Note);
    EXPECT_TRUE(document.copySelection().empty());
    EXPECT_FALSE(document.duplicateSelection());
    document.selection().selectOnly(scene->Objects[0].get());
    const auto block = document.copySelection();
    document.setCurrentScene(nullptr);
    EXPECT_FALSE(document.pasteBlock(block));
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(EditMenu, DuplicateIsOneStepThroughTheSystemClipboardToo) {
    TDemoObject& shape = place(TObjectKind::Shape, 40, 40);
    document.selection().selectOnly(&shape);
    const auto before = bytes();
    ASSERT_TRUE(document.duplicateSelection());
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), "Duplicate");
    EXPECT_EQ(scene->Objects[1]->Left, 48);
    expectUndoRedo(before, bytes());

    ASSERT_TRUE(document.copyToClipboard());
    EXPECT_TRUE(EditorDocument::clipboardHasObjects());
    ASSERT_TRUE(document.pasteFromClipboard());
    EXPECT_EQ(scene->Objects.size(), 3u);
    EXPECT_EQ(scene->Objects[2]->Left, 56); // the copy at 48, moved by the grid size again
}

TEST_F(EditMenu, BringToFrontKeepsCursorsAndAudioOnTop) {
    TDemoObject& shape1 = place(TObjectKind::Shape);
    place(TObjectKind::Shape);
    place(TObjectKind::Cursor);
    place(TObjectKind::Audio);
    document.selection().selectOnly(&shape1);
    const auto before = bytes();
    ASSERT_TRUE(document.bringToFront());
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Shape2", "Shape1", "Cursor1", "Audio1"}));
    expectUndoRedo(before, bytes());
    ASSERT_TRUE(document.sendToBack());
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Shape1", "Shape2", "Cursor1", "Audio1"}));
}

TEST_F(EditMenu, SendingACursorToTheBackChainsTheCursorsAndUndoUnpushesThem) {
    TDemoObject& first = place(TObjectKind::Cursor);  // 0-20
    TDemoObject& second = place(TObjectKind::Cursor); // 20-40
    second.StartTime = 5;                              // overlaps the first, out of order
    second.EndTime = 15;
    document.markSaved();
    document.selection().selectOnly(&second);
    const auto before = bytes();
    ASSERT_TRUE(document.sendToBack()); // [second, first]: first must now follow second
    EXPECT_EQ(scene->Objects[0].get(), &second);
    EXPECT_EQ(first.StartTime, 15);
    EXPECT_EQ(first.EndTime, 35);
    expectUndoRedo(before, bytes());
}

TEST_F(EditMenu, ZOrderNeedsExactlyOneSelectedObject) {
    TDemoObject& a = place(TObjectKind::Shape);
    TDemoObject& b = place(TObjectKind::Shape);
    EXPECT_FALSE(document.bringToFront());
    document.selection().setSelected({&a, &b});
    EXPECT_FALSE(document.sendToBack());
    document.selection().selectOnly(&b);
    EXPECT_TRUE(document.bringToFront()); // already in front: no step
    EXPECT_EQ(stack().count(), 0);
}

struct AlignCase {
    TAlignMode mode;
    std::int32_t left;
    std::int32_t top;
};

class AlignModes : public DocumentFixture, public testing::WithParamInterface<AlignCase> {};

TEST_P(AlignModes, TheFirstSelectedObjectInListOrderIsTheReference) {
    TDemoObject& reference = place(TObjectKind::Shape, 100, 200); // 105 x 105
    TDemoObject& other = place(TObjectKind::Label, 7, 9);         // 105 x 25
    other.Width = 40;
    document.markSaved();
    document.selection().setSelected({&other, &reference}); // selection order does not matter
    const auto before = bytes();
    ASSERT_TRUE(document.align(GetParam().mode));
    EXPECT_EQ(other.Left, GetParam().left);
    EXPECT_EQ(other.Top, GetParam().top);
    EXPECT_EQ(BoundsOf(reference), (TObjectBounds{100, 200, 105, 105}));
    expectUndoRedo(before, bytes());
}

INSTANTIATE_TEST_SUITE_P(EditMenu, AlignModes,
                         testing::Values(AlignCase{TAlignMode::Left, 100, 9}, AlignCase{TAlignMode::Right, 165, 9},
                                         AlignCase{TAlignMode::Center, 132, 9}, // 100 + 52 - 20
                                         AlignCase{TAlignMode::Top, 7, 200}, AlignCase{TAlignMode::Bottom, 7, 280},
                                         AlignCase{TAlignMode::Middle, 7, 240})); // 200 + 52 - 12

TEST_F(EditMenu, AlignToGridRoundsToTheNearestGridPoint) {
    TDemoObject& a = place(TObjectKind::Note, 13, 4);
    TDemoObject& b = place(TObjectKind::Note, -13, 11);
    document.setGridSize(8, 8);
    document.selection().setSelected({&a, &b});
    const auto before = bytes();
    ASSERT_TRUE(document.alignToGrid());
    EXPECT_EQ(a.Left, 16);
    EXPECT_EQ(a.Top, 8);
    EXPECT_EQ(b.Left, -16); // the nearest grid point, left of the scene as well
    EXPECT_EQ(b.Top, 8);
    expectUndoRedo(before, bytes());
    document.selection().selectOnly(&a);
    EXPECT_FALSE(document.alignToGrid()); // already on the grid: no step
    EXPECT_EQ(stack().count(), 1);
    document.selection().selectOnly(&b);
    EXPECT_FALSE(document.alignToGrid()) << "a position on the grid left of the scene stays";
    EXPECT_EQ(b.Left, -16);
}

TEST_F(EditMenu, AlignNeedsTwoSelectedObjects) {
    TDemoObject& a = place(TObjectKind::Note, 13, 4);
    document.selection().selectOnly(&a);
    EXPECT_FALSE(document.align(TAlignMode::Left));
    EXPECT_EQ(stack().count(), 0);
}

} // namespace
} // namespace vantora::test
