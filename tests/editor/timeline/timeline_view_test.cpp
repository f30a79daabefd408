// The timeline view driven with synthetic mouse and wheel events: bar drags by whole units, the
// edge and scene-end limits, pushed cursors, stop points on the ruler, one undo step per
// gesture, the selection a press makes, hover cursors, scrolling, zoom and the playhead.

#include "editor/timeline/timeline_view.h"

#include "editor/timeline/timeline_colours.h"
#include "editor/timeline/timeline_grid.h"
#include "editor/timeline/timeline_ruler.h"

#include "../document_fixture.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace vantora::test {
namespace {

using timeline::TimelineView;

class TimelineViewTest : public DocumentFixture {
protected:
    std::unique_ptr<TimelineView> view;

    void SetUp() override {
        DocumentFixture::SetUp();
        view = std::make_unique<TimelineView>(document);
        view->resize(600, 160);
        view->show();
    }
    void TearDown() override { view.reset(); }

    QWidget* grid() { return &view->grid(); }
    QWidget* ruler() { return &view->ruler(); }

    TDemoObject& bar(TObjectKind kind, std::int32_t start, std::int32_t end) {
        TDemoObject& object = placeBar(kind, start, end);
        view->grid().refresh();
        return object;
    }

    static void moveTo(QWidget* widget, QPoint p, Qt::MouseButtons buttons = Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, p, widget->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // Press at `from`, move through the x positions (same y), release at the last.
    static void dragAlong(QWidget* widget, QPoint from, std::initializer_list<int> xs) {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QPoint last = from;
        for (int x : xs) {
            last = QPoint(x, from.y());
            moveTo(widget, last);
        }
        QTest::mouseRelease(widget, Qt::LeftButton, {}, last);
    }
    static void ctrlWheel(QWidget* widget, QPoint at, int angle) {
        QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }
    void doubleClickRuler(int x) { QTest::mouseDClick(ruler(), Qt::LeftButton, {}, QPoint(x, 12)); }
    bool selected(const TDemoObject& o) { return document.selection().isSelected(&o); }
};

TEST_F(TimelineViewTest, ScenesWithOnlyCursorsOrNoObjectsHaveOneRow) {
    EXPECT_EQ(grid()->height(), 25);
    bar(TObjectKind::Cursor, 0, 20);
    bar(TObjectKind::Cursor, 20, 40);
    EXPECT_EQ(grid()->height(), 25);
    bar(TObjectKind::Note, 0, 30);
    EXPECT_EQ(grid()->height(), 45);
    EXPECT_EQ(grid()->width(), 100 * 9 + 100);
}

TEST_F(TimelineViewTest, ABodyMovesByWholeUnitsAndKeepsTheRemainder) {
    TDemoObject& note = bar(TObjectKind::Note, 10, 40); // body x 90 .. 360
    QTest::mousePress(grid(), Qt::LeftButton, {}, QPoint(150, 10));
    moveTo(grid(), {154, 10}); // 4 pixels: nothing
    EXPECT_EQ(TimingOf(note), (TObjectTiming{10, 40}));
    EXPECT_EQ(stack().count(), 0);
    moveTo(grid(), {159, 10}); // 9 pixels: one unit
    EXPECT_EQ(TimingOf(note), (TObjectTiming{11, 41}));
    moveTo(grid(), {172, 10}); // 13 more: one unit, 4 pixels pending
    EXPECT_EQ(TimingOf(note), (TObjectTiming{12, 42}));
    moveTo(grid(), {177, 10}); // the pending 4 and 5 more make the next unit
    EXPECT_EQ(TimingOf(note), (TObjectTiming{13, 43}));
    moveTo(grid(), {169, 10}); // 8 back: nothing yet
    EXPECT_EQ(TimingOf(note), (TObjectTiming{13, 43}));
    moveTo(grid(), {150, 10}); // 27 back from 177: three units
    EXPECT_EQ(TimingOf(note), (TObjectTiming{10, 40}));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_EQ(stack().count(), 0); // back where it started: no step is left
    EXPECT_FALSE(document.isModified());
}

TEST_F(TimelineViewTest, ANinePixelDragIsOneUndoStep) {
    TDemoObject& note = bar(TObjectKind::Note, 10, 40);
    const auto before = bytes();
    dragAlong(grid(), {150, 10}, {155, 159, 168, 177});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{13, 43}));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(TimelineViewTest, DraggingLeftPastZeroStopsAtZeroWithTheDurationKept) {
    TDemoObject& note = bar(TObjectKind::Note, 3, 20);
    const auto before = bytes();
    dragAlong(grid(), {100, 10}, {60, 20, 2, -40});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{0, 17}));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(TimelineViewTest, ShrinkingFromTheEndStopsAtTwoUnits) {
    TDemoObject& note = bar(TObjectKind::Note, 10, 40);
    const auto before = bytes();
    dragAlong(grid(), {361, 10}, {300, 200, 0});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{10, 12}));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(TimelineViewTest, TheStartEdgeStopsTwoUnitsBeforeTheEnd) {
    TDemoObject& note = bar(TObjectKind::Note, 10, 40);
    dragAlong(grid(), {89, 10}, {200, 500});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{38, 40}));
    EXPECT_EQ(stack().count(), 1);
    stack().undo();
    EXPECT_EQ(TimingOf(note), (TObjectTiming{10, 40}));
}

TEST_F(TimelineViewTest, TheSceneEndStopsAtTheLastEndAndNeverBelowTen) {
    bar(TObjectKind::Note, 0, 60);
    const auto before = bytes();
    dragAlong(grid(), {902, 10}, {850, 400, 0});
    EXPECT_EQ(scene->Length, 60);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(grid()->width(), 60 * 9 + 100); // the grid follows the edit
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(grid()->width(), 100 * 9 + 100); // and its undo
}

TEST_F(TimelineViewTest, TheSceneEndOfAnEmptySceneStopsAtTen) {
    dragAlong(grid(), {903, 10}, {500, 0});
    EXPECT_EQ(scene->Length, 10);
    EXPECT_EQ(stack().count(), 1);
    stack().undo();
    EXPECT_EQ(scene->Length, 100);
}

TEST_F(TimelineViewTest, TheSceneEndGrowsToTheRight) {
    dragAlong(grid(), {901, 10}, {946});
    EXPECT_EQ(scene->Length, 105);
    EXPECT_TRUE(document.isModified());
}

TEST_F(TimelineViewTest, ACursorDraggedBeforeTheEarlierCursorsEndIsPushedBack) {
    TDemoObject& first = bar(TObjectKind::Cursor, 0, 20);
    TDemoObject& second = bar(TObjectKind::Cursor, 30, 50);
    const auto before = bytes();
    dragAlong(grid(), {360, 10}, {300, 200, 100});
    EXPECT_EQ(TimingOf(second), (TObjectTiming{20, 40}));
    EXPECT_EQ(TimingOf(first), (TObjectTiming{0, 20}));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(TimelineViewTest, ACursorMovedIntoTheNextPushesItAndTheSceneGrows) {
    TDemoObject& first = bar(TObjectKind::Cursor, 0, 20);
    TDemoObject& second = bar(TObjectKind::Cursor, 30, 50);
    scene->Length = 50;
    view->grid().refresh();
    const auto before = bytes();
    dragAlong(grid(), {90, 10}, {135, 180, 225}); // 15 units right
    EXPECT_EQ(TimingOf(first), (TObjectTiming{15, 35}));
    EXPECT_EQ(TimingOf(second), (TObjectTiming{35, 55}));
    EXPECT_EQ(scene->Length, 55);
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(TimelineViewTest, DoubleClickingTheRulerTwiceAddsThenRemovesAStopPoint) {
    doubleClickRuler(90); // position 10: stop point 9
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
    doubleClickRuler(94);
    EXPECT_TRUE(scene->StopPoints.empty());
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
    stack().undo();
    EXPECT_TRUE(scene->StopPoints.empty());
    stack().redo();
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
}

TEST_F(TimelineViewTest, ADoubleClickAtOrPastTheSceneEndAddsNothing) {
    scene->Length = 10;
    view->grid().refresh();
    doubleClickRuler(99); // stop point 10 = Length
    doubleClickRuler(300);
    EXPECT_TRUE(scene->StopPoints.empty());
    EXPECT_EQ(stack().count(), 0);
    doubleClickRuler(90);
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
}

TEST_F(TimelineViewTest, AStopPointDragIsOneStep) {
    scene->StopPoints = {9, 30};
    view->ruler().update();
    const auto before = bytes();
    dragAlong(ruler(), {92, 12}, {120, 150, 180});
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{19, 30}));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
    // Onto another stop point or out of the scene: refused, the point stays where it was.
    dragAlong(ruler(), {180, 12}, {279, 2000});
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{19, 30}));
    // A press beside every stop point drags nothing.
    dragAlong(ruler(), {130, 12}, {200});
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{19, 30}));
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(TimelineViewTest, APressSelectsTheGrabbedObjectAloneOrNothing) {
    TDemoObject& a = bar(TObjectKind::Note, 0, 30);
    TDemoObject& b = bar(TObjectKind::Label, 0, 30);
    document.selection().select(&b);
    QSignalSpy pressed(&view->grid(), &timeline::TimelineGrid::barPressed);
    dragAlong(grid(), {100, 10}, {});
    EXPECT_TRUE(selected(a));
    EXPECT_FALSE(selected(b));
    EXPECT_EQ(pressed.count(), 1);
    dragAlong(grid(), {271, 30}, {}); // b's end edge
    EXPECT_TRUE(selected(b));
    EXPECT_FALSE(selected(a));
    dragAlong(grid(), {500, 30}, {}); // empty row space
    EXPECT_TRUE(document.selection().isEmpty());
    document.selection().select(&a);
    dragAlong(grid(), {902, 30}, {}); // the scene end
    EXPECT_TRUE(document.selection().isEmpty());
    EXPECT_EQ(pressed.count(), 2);
    EXPECT_EQ(stack().count(), 0); // selecting is not an edit
}

TEST_F(TimelineViewTest, TheSelectionIsShownAsItChanges) {
    TDemoObject& note = bar(TObjectKind::Note, 0, 30);
    auto pixel = [this] { return view->grid().grab().toImage().pixel(200, 10); };
    EXPECT_EQ(pixel(), timeline::kFaceColour.rgb());
    document.selection().selectOnly(&note);
    EXPECT_EQ(pixel(), timeline::kSelectedBarColour.rgb());
    document.selection().clear();
    EXPECT_EQ(pixel(), timeline::kFaceColour.rgb());
}

TEST_F(TimelineViewTest, TheHoverCursorShowsWhatAPressWouldGrab) {
    bar(TObjectKind::Note, 10, 40);
    scene->StopPoints = {50};
    auto shapeAt = [](QWidget* widget, QPoint p) {
        moveTo(widget, p, Qt::NoButton);
        return widget->cursor().shape();
    };
    EXPECT_EQ(shapeAt(grid(), {150, 10}), Qt::PointingHandCursor);
    EXPECT_EQ(shapeAt(grid(), {91, 10}), Qt::SizeHorCursor);
    EXPECT_EQ(shapeAt(grid(), {359, 10}), Qt::SizeHorCursor);
    EXPECT_EQ(shapeAt(grid(), {903, 10}), Qt::SizeHorCursor);
    EXPECT_EQ(shapeAt(grid(), {600, 10}), Qt::ArrowCursor);
    EXPECT_EQ(shapeAt(ruler(), {459, 12}), Qt::SizeHorCursor);
    EXPECT_EQ(shapeAt(ruler(), {470, 12}), Qt::ArrowCursor);
}

TEST_F(TimelineViewTest, TheRulerFollowsTheGridsScrollOffset) {
    scene->Length = 300;
    view->grid().refresh();
    view->gridArea().horizontalScrollBar()->setValue(90);
    EXPECT_EQ(view->ruler().offset(), -90);
    doubleClickRuler(0); // position (0 + 90 + 4) div 9 = 10
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
    const QImage picture = view->ruler().grab().toImage();
    EXPECT_EQ(picture.pixel(1, 12), timeline::kStopPointColour.rgb()); // mark 88 .. 92, scrolled by 90
}

TEST_F(TimelineViewTest, CtrlWheelZoomsAndHitTestsFollowTheDrawing) {
    TDemoObject& note = bar(TObjectKind::Note, 10, 40);
    ctrlWheel(grid(), {100, 10}, 120);
    EXPECT_EQ(view->unitWidth(), 12);
    EXPECT_EQ(view->ruler().unitWidth(), 12);
    EXPECT_EQ(grid()->width(), 100 * 12 + 100);
    // At 12 pixels per unit a 9-pixel drag does nothing and 12 pixels move one unit.
    const int scroll = view->gridArea().horizontalScrollBar()->value();
    dragAlong(grid(), {200, 10}, {209});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{10, 40}));
    dragAlong(grid(), {200, 10}, {212});
    EXPECT_EQ(TimingOf(note), (TObjectTiming{11, 41}));
    dragAlong(grid(), {41 * 12, 10}, {41 * 12 + 24}); // the end edge at the zoomed position
    EXPECT_EQ(TimingOf(note), (TObjectTiming{11, 43}));
    EXPECT_EQ(view->gridArea().horizontalScrollBar()->value(), scroll);

    ctrlWheel(ruler(), {100, 12}, -240);
    EXPECT_EQ(view->unitWidth(), 6);
    doubleClickRuler(60 - view->ruler().offset()); // position 10 at 6 pixels per unit
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{9}));
    for (int i = 0; i < 10; ++i)
        ctrlWheel(grid(), {10, 10}, -120);
    EXPECT_EQ(view->unitWidth(), timeline::kMinUnitWidth);
}

TEST_F(TimelineViewTest, ZoomKeepsTheTimeUnderTheMouse) {
    scene->Length = 600;
    view->grid().refresh();
    view->gridArea().horizontalScrollBar()->setValue(900); // unit 100 at the viewport's left
    view->zoomBy(1, 90); // unit 110 under the mouse
    EXPECT_EQ(view->unitWidth(), 12);
    EXPECT_EQ(view->gridArea().horizontalScrollBar()->value(), 110 * 12 - 90);
    EXPECT_EQ(view->ruler().offset(), -(110 * 12 - 90));
}

TEST_F(TimelineViewTest, AWheelWithoutCtrlLeavesTheZoomAlone) {
    QWheelEvent wheel(QPointF(10, 10), grid()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid(), &wheel);
    EXPECT_EQ(view->unitWidth(), 9);
}

TEST_F(TimelineViewTest, ThePlayheadIsDrawnWhereSetAndHiddenWithout) {
    view->setPlayhead(20);
    EXPECT_EQ(view->grid().grab().toImage().pixel(180, 12), timeline::kPlayheadColour.rgb());
    EXPECT_EQ(view->ruler().grab().toImage().pixel(180, 12), timeline::kPlayheadColour.rgb());
    view->setPlayhead(std::nullopt);
    EXPECT_NE(view->grid().grab().toImage().pixel(180, 12), timeline::kPlayheadColour.rgb());
}

TEST_F(TimelineViewTest, AnUndoDuringADragEndsTheDragWithoutTouchingTheOldObject) {
    TDemoObject* added = document.addObject(TObjectKind::Note, 0, 0); // one undoable step
    ASSERT_NE(added, nullptr);
    view->grid().refresh();
    const QRect barArea = view->grid().geometry().barRect(*added);
    QTest::mousePress(grid(), Qt::LeftButton, {}, barArea.center());
    stack().undo(); // the object leaves the scene while the button is down
    moveTo(grid(), barArea.center() + QPoint(90, 0));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, barArea.center() + QPoint(90, 0));
    EXPECT_TRUE(scene->Objects.empty());
    EXPECT_EQ(stack().index(), 0);
}

TEST_F(TimelineViewTest, ASceneChangeRebuildsTheGrid) {
    bar(TObjectKind::Note, 0, 30);
    TDemoFrame& other = NewScene(document.demo());
    other.Length = 40;
    document.setCurrentScene(&other);
    EXPECT_EQ(grid()->width(), 40 * 9 + 100);
    document.setCurrentScene(nullptr);
    EXPECT_EQ(grid()->height(), 25);
    dragAlong(grid(), {100, 10}, {200}); // no scene: nothing to grab
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(TimelineViewTest, WithoutASceneTheGridAreaIsEmpty) {
    document.setCurrentScene(nullptr);
    const QImage picture = view->grab().toImage();
    const int y = ruler()->height() + 10;
    const QRgb empty = picture.pixel(view->width() / 2, y); // right of the grid widget
    for (const int x : {2, 50, 95})
        EXPECT_EQ(picture.pixel(x, y), empty) << "x " << x;
    EXPECT_NE(empty, QColor(Qt::white).rgb()) << "the empty area is not the white of a grid";
}

} // namespace
} // namespace vantora::test
