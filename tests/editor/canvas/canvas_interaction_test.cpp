// The press / drag / release behaviour on a document: tools, selection rules, snapping, sizing
// limits, balloon pointers, arrow keys, and that every gesture is one undo step.

#include "editor/canvas/canvas_interaction.h"

#include "../document_fixture.h"
#include "model/enum_names.h"
#include "model/object_kind.h"

#include <gtest/gtest.h>

namespace vantora::test {
namespace {

using canvas::CanvasInteraction;
using canvas::DragMode;
using canvas::HoverShape;

class CanvasInteractionTest : public DocumentFixture {
protected:
    CanvasInteraction interaction{document};

    void setSnap(bool snap, int x = 8, int y = 8) { interaction.setGrid({true, snap, x, y}); }

    void gesture(QPoint from, std::initializer_list<QPoint> path, bool ctrl = false) {
        interaction.press(from, ctrl);
        QPoint last = from;
        for (QPoint point : path) {
            interaction.drag(point);
            last = point;
        }
        interaction.release(last, ctrl);
    }

    TDemoObject& shape(int left, int top, int width, int height) {
        TDemoObject& o = place(TObjectKind::Shape, left, top);
        o.Width = width;
        o.Height = height;
        return o;
    }

    bool selected(const TDemoObject& o) { return document.selection().isSelected(&o); }
    TObjectBounds bounds(const TDemoObject& o) { return BoundsOf(o); }
};

TEST_F(CanvasInteractionTest, AddToolPlacesTheObjectAtTheSnappedPointAndIgnoresTheRelease) {
    setSnap(true);
    interaction.setTool(TObjectKind::Label);
    EXPECT_TRUE(interaction.press({13, 4}, false));
    ASSERT_EQ(scene->Objects.size(), 1u);
    const TDemoObject& label = *scene->Objects[0];
    EXPECT_EQ(label.Kind, TObjectKind::Label);
    EXPECT_EQ(label.Left, 16);
    EXPECT_EQ(label.Top, 8);
    EXPECT_FALSE(interaction.tool()); // back to the select tool
    EXPECT_TRUE(selected(label));
    // The release that ends the creating click changes no selection.
    interaction.release({500, 500}, false);
    EXPECT_TRUE(selected(label));
    EXPECT_EQ(stack().count(), 1);
    stack().undo();
    EXPECT_TRUE(scene->Objects.empty());
}

TEST_F(CanvasInteractionTest, AddToolWithoutSnapKeepsThePressPoint) {
    setSnap(false);
    interaction.setTool(TObjectKind::Shape);
    interaction.press({13, 4}, false);
    ASSERT_EQ(scene->Objects.size(), 1u);
    EXPECT_EQ(scene->Objects[0]->Left, 13);
    EXPECT_EQ(scene->Objects[0]->Top, 4);
}

TEST_F(CanvasInteractionTest, DraggingAnUnselectedObjectSelectsItAloneAndMovesItAsOneStep) {
    setSnap(false);
    TDemoObject& a = shape(10, 10, 50, 50);
    TDemoObject& b = shape(200, 200, 50, 50);
    document.selection().select(&b);
    const auto before = bytes();
    gesture({30, 30}, {{35, 31}, {40, 32}, {50, 40}});
    EXPECT_TRUE(selected(a));
    EXPECT_FALSE(selected(b));
    EXPECT_EQ(bounds(a), (TObjectBounds{30, 20, 50, 50}));
    EXPECT_EQ(bounds(b), (TObjectBounds{200, 200, 50, 50}));
    EXPECT_EQ(stack().count(), 1); // three moves, one step
    expectUndoRedo(before, bytes());
}

TEST_F(CanvasInteractionTest, DraggingOneOfSeveralSelectedMovesThemAll) {
    setSnap(false);
    TDemoObject& a = shape(10, 10, 50, 50);
    TDemoObject& b = shape(200, 200, 50, 50);
    document.selection().setSelected({&a, &b});
    gesture({30, 30}, {{20, 25}});
    EXPECT_EQ(bounds(a), (TObjectBounds{0, 5, 50, 50}));
    EXPECT_EQ(bounds(b), (TObjectBounds{190, 195, 50, 50}));
    EXPECT_TRUE(selected(a) && selected(b));
    stack().undo();
    EXPECT_EQ(bounds(a), (TObjectBounds{10, 10, 50, 50}));
    EXPECT_EQ(bounds(b), (TObjectBounds{200, 200, 50, 50}));
}

TEST_F(CanvasInteractionTest, SnappedDragWaitsForAWholeGridStep) {
    setSnap(true);
    TDemoObject& o = shape(16, 16, 40, 40);
    document.selection().select(&o);
    interaction.press({55, 55}, false); // bottom-right handle
    ASSERT_EQ(interaction.handle(), canvas::kBottomRight);
    interaction.drag({62, 61}); // 7 and 6 pixels: less than a step
    EXPECT_EQ(bounds(o), (TObjectBounds{16, 16, 40, 40}));
    interaction.drag({63, 58}); // 8 across: one step across, none down
    EXPECT_EQ(bounds(o), (TObjectBounds{16, 16, 48, 40}));
    interaction.drag({70, 70}); // from the moved anchor (63, 55): 7 and 15 -> 0 and 8
    EXPECT_EQ(bounds(o), (TObjectBounds{16, 16, 48, 48}));
    interaction.drag({33, 70}); // 30 back across: three steps (toward zero)
    EXPECT_EQ(bounds(o), (TObjectBounds{16, 16, 24, 48}));
    interaction.release({33, 70}, false);
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(CanvasInteractionTest, SnappedResizeNeverDropsBelowOneCell) {
    setSnap(true);
    TDemoObject& o = shape(16, 16, 40, 40);
    document.selection().select(&o);
    gesture({55, 55}, {{0, 0}});
    EXPECT_EQ(bounds(o), (TObjectBounds{16, 16, 8, 8}));
}

TEST_F(CanvasInteractionTest, ResizingPastTheOppositeEdgeLeavesOnePixel) {
    setSnap(false);
    TDemoObject& o = shape(100, 100, 40, 30);
    document.selection().select(&o);
    const auto before = bytes();
    gesture({139, 129}, {{50, 50}}); // bottom-right far beyond the top-left corner
    EXPECT_EQ(o.Width, 1);
    EXPECT_EQ(o.Height, 1);
    gesture({100, 100}, {{150, 100}}); // the top-left handle of the 1 x 1 object, pushed right
    EXPECT_GE(o.Width, 1);
    EXPECT_GE(o.Height, 1);
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytes(), before);
}

TEST_F(CanvasInteractionTest, LeftHandleMovesTheLeftEdgeOnly) {
    setSnap(false);
    TDemoObject& o = shape(100, 100, 40, 30);
    document.selection().select(&o);
    gesture({100, 115}, {{90, 140}});
    EXPECT_EQ(bounds(o), (TObjectBounds{90, 100, 50, 30}));
}

TEST_F(CanvasInteractionTest, CtrlClickTogglesOneObjectAndKeepsTheOthers) {
    TDemoObject& a = shape(10, 10, 50, 50);
    TDemoObject& b = shape(100, 10, 50, 50);
    TDemoObject& c = shape(200, 10, 50, 50);
    document.selection().setSelected({&a, &b});
    gesture({120, 30}, {}, true);
    EXPECT_TRUE(selected(a));
    EXPECT_FALSE(selected(b));
    gesture({220, 30}, {}, true);
    EXPECT_TRUE(selected(a) && selected(c));
    gesture({400, 400}, {}, true); // on nothing: nothing changes
    EXPECT_TRUE(selected(a) && selected(c));
    EXPECT_EQ(stack().count(), 0); // selection is no model edit
}

TEST_F(CanvasInteractionTest, PlainClickSelectsTheTopmostAndOnNothingClears) {
    TDemoObject& under = shape(10, 10, 100, 100);
    TDemoObject& over = shape(50, 50, 100, 100);
    gesture({60, 60}, {});
    EXPECT_TRUE(selected(over));
    EXPECT_FALSE(selected(under));
    gesture({300, 300}, {});
    EXPECT_TRUE(document.selection().isEmpty());
    // A click on an object's edge pixel selects it on release.
    gesture({10, 30}, {});
    EXPECT_TRUE(selected(under));
}

TEST_F(CanvasInteractionTest, RubberBandTouchingTheLastPixelColumnSelects) {
    TDemoObject& a = shape(10, 10, 50, 50);  // last column 59
    TDemoObject& b = shape(100, 10, 50, 50);
    gesture({59, 100}, {{70, 80}, {80, 5}});
    EXPECT_TRUE(selected(a));
    EXPECT_FALSE(selected(b));
    gesture({60, 100}, {{80, 5}}); // one column further misses
    EXPECT_FALSE(selected(a));
    EXPECT_TRUE(document.selection().isEmpty());
}

TEST_F(CanvasInteractionTest, RubberBandWithCtrlTogglesWhatItTouches) {
    TDemoObject& a = shape(10, 10, 50, 50);
    TDemoObject& b = shape(100, 10, 50, 50);
    document.selection().select(&a);
    gesture({0, 0}, {{200, 100}}, true);
    EXPECT_FALSE(selected(a));
    EXPECT_TRUE(selected(b));
}

TEST_F(CanvasInteractionTest, RubberBandIsShownOnlyWhileDragging) {
    interaction.press({300, 300}, false);
    EXPECT_EQ(interaction.dragMode(), DragMode::RubberBand);
    EXPECT_FALSE(interaction.rubberBand());
    interaction.drag({250, 320});
    ASSERT_TRUE(interaction.rubberBand());
    EXPECT_EQ(*interaction.rubberBand(), QRect(QPoint(250, 300), QPoint(300, 320)));
    interaction.release({250, 320}, false);
    EXPECT_FALSE(interaction.rubberBand());
    EXPECT_EQ(interaction.dragMode(), DragMode::Idle);
}

TEST_F(CanvasInteractionTest, BalloonTipDraggedBelowTheCentreChoosesTheBottomSide) {
    TDemoObject& balloon = place(TObjectKind::Balloon, 100, 100);
    balloon.Width = 200;
    balloon.Height = 100;
    balloon.Option = *CodeOfName(names::BalloonArrow, "TopLeft");
    document.selection().select(&balloon);
    const std::optional<QPoint> tip = canvas::PointerTip(balloon);
    ASSERT_TRUE(tip);
    const auto before = bytes();
    interaction.press(*tip, false);
    ASSERT_EQ(interaction.handle(), canvas::kPointerTip);
    interaction.drag({201, 250}); // right of the centre line x = 200
    EXPECT_EQ(*NameOfCode(names::BalloonArrow, balloon.Option), "BottomRight");
    interaction.drag({200, 260}); // on the centre line: unchanged
    EXPECT_EQ(*NameOfCode(names::BalloonArrow, balloon.Option), "BottomRight");
    interaction.drag({199, 250});
    EXPECT_EQ(*NameOfCode(names::BalloonArrow, balloon.Option), "BottomLeft");
    interaction.release({199, 250}, false);
    EXPECT_EQ(bounds(balloon), (TObjectBounds{100, 100, 200, 100})); // the body stays
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(CanvasInteractionTest, TipDragWithTwoBalloonsSelectedChangesNothing) {
    TDemoObject& a = place(TObjectKind::RoundBalloon, 100, 100);
    TDemoObject& b = place(TObjectKind::RoundBalloon, 400, 100);
    document.selection().setSelected({&a, &b});
    const std::int32_t arrowA = a.Option, arrowB = b.Option;
    interaction.press(*canvas::PointerTip(b), false);
    ASSERT_EQ(interaction.handle(), canvas::kPointerTip);
    interaction.drag({b.Left - 200, b.Top - 5});
    interaction.release({b.Left - 200, b.Top - 5}, false);
    EXPECT_EQ(a.Option, arrowA);
    EXPECT_EQ(b.Option, arrowB);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(CanvasInteractionTest, ArrowKeysMoveTheSelectionOneStepPerBurst) {
    TDemoObject& o = shape(100, 100, 20, 20);
    document.selection().select(&o);
    interaction.nudge(1, 0, false);
    interaction.nudge(1, 0, true);
    interaction.nudge(1, 0, true);
    EXPECT_EQ(o.Left, 103);
    EXPECT_EQ(stack().count(), 1);
    interaction.nudge(0, -8, false);
    EXPECT_EQ(o.Top, 92);
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(o.Top, 100);
    stack().undo();
    EXPECT_EQ(o.Left, 100);
    document.selection().clear();
    interaction.nudge(5, 5, false); // nothing selected: nothing happens
    EXPECT_EQ(stack().count(), 2);
}

TEST_F(CanvasInteractionTest, HoverShowsWhatAPressWouldDo) {
    TDemoObject& o = shape(100, 100, 40, 40);
    TDemoObject& other = shape(300, 300, 40, 40);
    document.selection().select(&o);
    EXPECT_EQ(interaction.hoverShape({120, 120}), HoverShape::Move);
    EXPECT_EQ(interaction.hoverShape({100, 100}), HoverShape::SizeNwSe);
    EXPECT_EQ(interaction.hoverShape({139, 139}), HoverShape::SizeNwSe);
    EXPECT_EQ(interaction.hoverShape({120, 100}), HoverShape::SizeNs);
    EXPECT_EQ(interaction.hoverShape({139, 100}), HoverShape::SizeNeSw);
    EXPECT_EQ(interaction.hoverShape({100, 120}), HoverShape::SizeWe);
    EXPECT_EQ(interaction.hoverShape({320, 320}), HoverShape::Arrow); // unselected
    EXPECT_EQ(interaction.hoverShape({10, 10}), HoverShape::Arrow);
    (void)other;
}

TEST_F(CanvasInteractionTest, PressesWithoutASceneDoNothing) {
    document.setCurrentScene(nullptr);
    interaction.setTool(TObjectKind::Shape);
    EXPECT_FALSE(interaction.press({10, 10}, false));
    interaction.release({10, 10}, false);
    EXPECT_TRUE(scene->Objects.empty());
    EXPECT_EQ(stack().count(), 0);
}

// Ctrl skips the hit test of a press: on a handle it starts a band instead of a resize, and the
// band then toggles what it touches.
TEST_F(CanvasInteractionTest, CtrlPressOnAHandleStartsABandInsteadOfResizing) {
    setSnap(false);
    TDemoObject& o = shape(100, 100, 40, 30);
    TDemoObject& other = shape(200, 100, 40, 30);
    document.selection().select(&o);
    interaction.press({139, 129}, true); // o's bottom-right handle
    EXPECT_EQ(interaction.dragMode(), DragMode::RubberBand);
    EXPECT_EQ(interaction.handle(), canvas::kNoHandle);
    interaction.drag({250, 140});
    EXPECT_EQ(bounds(o), (TObjectBounds{100, 100, 40, 30}));
    ASSERT_TRUE(interaction.rubberBand());
    EXPECT_EQ(*interaction.rubberBand(), QRect(QPoint(139, 129), QPoint(250, 140)));
    interaction.release({250, 140}, true);
    EXPECT_FALSE(selected(o)); // touched at its last pixel: toggled off
    EXPECT_TRUE(selected(other));
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(CanvasInteractionTest, CtrlClickOnAHandleTogglesOnlyWhereTheObjectIs) {
    TDemoObject& o = shape(100, 100, 40, 30);
    document.selection().select(&o);
    gesture({97, 97}, {}, true); // inside the top-left handle box, outside the object
    EXPECT_TRUE(selected(o));
    gesture({139, 129}, {}, true); // the bottom-right handle on the object's last pixel
    EXPECT_FALSE(selected(o));
    EXPECT_EQ(bounds(o), (TObjectBounds{100, 100, 40, 30}));
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(CanvasInteractionTest, CtrlHeldOnlyAtTheEndOfAResizeKeepsTheResizeAndTheSelection) {
    setSnap(false);
    TDemoObject& o = shape(100, 100, 40, 30);
    TDemoObject& other = shape(150, 100, 40, 30);
    document.selection().select(&o);
    interaction.press({139, 129}, false);
    ASSERT_EQ(interaction.handle(), canvas::kBottomRight);
    interaction.drag({160, 139}); // over the other object
    interaction.release({160, 139}, true);
    EXPECT_EQ(bounds(o), (TObjectBounds{100, 100, 61, 40}));
    EXPECT_TRUE(selected(o));
    EXPECT_FALSE(selected(other));
    EXPECT_EQ(stack().count(), 1);
}

// Every gesture is one undo step that puts the project back byte for byte, and redo replays it.
TEST_F(CanvasInteractionTest, EachGestureUndoesAndRedoesAsOneStep) {
    setSnap(true);
    std::vector<std::vector<std::uint8_t>> states{bytes()};
    interaction.setTool(TObjectKind::RoundBalloon);
    interaction.press({13, 4}, false);
    interaction.release({13, 4}, false);
    ASSERT_EQ(scene->Objects.size(), 1u);
    TDemoObject& balloon = *scene->Objects[0];
    states.push_back(bytes());

    gesture({balloon.Left + 30, balloon.Top + 30}, {{balloon.Left + 40, balloon.Top + 36}, {balloon.Left + 60, balloon.Top + 50}});
    EXPECT_EQ(balloon.Left, 16 + 24); // 30 and 20 across in two moves: whole steps only
    states.push_back(bytes());

    const QPoint corner(balloon.Left + balloon.Width - 1, balloon.Top + balloon.Height - 1);
    gesture(corner, {corner + QPoint(17, 9)});
    states.push_back(bytes());

    const std::optional<QPoint> tip = canvas::PointerTip(balloon);
    ASSERT_TRUE(tip);
    const std::int32_t arrow = balloon.Option;
    const QPoint centre(balloon.Left + balloon.Width / 2, balloon.Top + balloon.Height / 2);
    const QPoint opposite = centre + (centre - *tip) * 2 + QPoint(1, 1);
    gesture(*tip, {opposite});
    EXPECT_NE(balloon.Option, arrow);
    states.push_back(bytes());

    interaction.nudge(-1, 0, false);
    interaction.nudge(-1, 0, true);
    states.push_back(bytes());

    ASSERT_EQ(stack().count(), 5);
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_NE(states[i], states[i - 1]) << "gesture " << i << " changed nothing";
        stack().undo();
        EXPECT_EQ(bytes(), states[i - 1]) << "undo of gesture " << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        stack().redo();
        EXPECT_EQ(bytes(), states[i]) << "redo of gesture " << i;
    }
}

} // namespace
} // namespace vantora::test
