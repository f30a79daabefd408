// The canvas widget driven with synthetic mouse and key events: coordinates at 1:1 and zoomed,
// one undo step per drag, the tool hand-back, and what it paints.

#include "editor/canvas/scene_canvas.h"

#include "../document_fixture.h"
#include "model/object_kind.h"
#include "render/object_render_cache.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vantora::test {
namespace {

class SceneCanvasTest : public DocumentFixture {
protected:
    std::unique_ptr<SceneCanvas> canvas;

    void SetUp() override {
        DocumentFixture::SetUp();
        document.demo().Width = 320;
        document.demo().Height = 240;
        canvas = std::make_unique<SceneCanvas>(document);
        canvas->setGrid({true, false, 8, 8});
        canvas->resetScene();
        canvas->show();
    }
    void TearDown() override { canvas.reset(); }

    // The widget position of a scene point at the canvas's zoom.
    QPoint at(QPoint scenePoint) const {
        const double zoom = canvas->zoom();
        return QPoint(int(scenePoint.x() * zoom) + SceneCanvas::kFrameWidth,
                      int(scenePoint.y() * zoom) + SceneCanvas::kFrameWidth);
    }
    void press(QPoint p, Qt::KeyboardModifiers mods = {}) { QTest::mousePress(canvas.get(), Qt::LeftButton, mods, at(p)); }
    void moveTo(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, at(p), canvas->mapToGlobal(at(p)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas.get(), &move);
    }
    void release(QPoint p, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseRelease(canvas.get(), Qt::LeftButton, mods, at(p));
    }
    TDemoObject& shape(int left, int top, int width, int height) {
        TDemoObject& o = place(TObjectKind::Shape, left, top);
        o.Width = width;
        o.Height = height;
        canvas->resetScene();
        return o;
    }
    QImage picture() { return canvas->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    // What the screen shows when only the areas the canvas asks to repaint are painted again:
    // start from a full paint, then after each step paint the waiting area into the same copy.
    QImage screen;
    void startScreen() {
        QApplication::processEvents();
        canvas->takePendingRepaint();
        screen = picture();
    }
    void updateScreen() {
        const QRegion dirty = canvas->takePendingRepaint();
        if (dirty.isEmpty())
            return;
        QPainter painter(&screen);
        canvas->render(&painter, dirty.boundingRect().topLeft(), dirty);
    }
    // Pixels where the kept-up copy differs from a fresh paint of everything.
    int stalePixels() {
        updateScreen();
        const QImage fresh = picture();
        int stale = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                stale += fresh.pixel(x, y) != screen.pixel(x, y);
        return stale;
    }
    void click(QPoint p, Qt::KeyboardModifiers mods = {}) {
        press(p, mods);
        updateScreen();
        release(p, mods);
        updateScreen();
    }
    void dragBy(QPoint from, QPoint by) {
        press(from);
        updateScreen();
        for (int step = 1; step <= 4; ++step) {
            moveTo(from + by * step / 4);
            updateScreen();
        }
        release(from + by);
        updateScreen();
    }
};

TEST_F(SceneCanvasTest, SizeIsTheSceneInAThreePixelFrame) {
    EXPECT_EQ(canvas->size(), QSize(326, 246));
    canvas->setZoom(2.0);
    EXPECT_EQ(canvas->size(), QSize(646, 486));
    canvas->actualSize();
    EXPECT_EQ(canvas->size(), QSize(326, 246));
    canvas->setZoom(1000); // absurd zooms are held to the limits
    EXPECT_EQ(canvas->zoom(), SceneCanvas::kMaxZoom);
    canvas->fitInto(QSize(166, 500));
    EXPECT_DOUBLE_EQ(canvas->zoom(), 0.5);
    canvas->fitInto(QSize(5000, 5000)); // fitting never enlarges beyond 1:1
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.0);
}

TEST_F(SceneCanvasTest, MouseDragMovesTheObjectAsOneUndoStep) {
    TDemoObject& o = shape(40, 40, 60, 50);
    const auto before = bytes();
    press({50, 50});
    moveTo({55, 52});
    moveTo({70, 60});
    release({70, 60});
    EXPECT_EQ(BoundsOf(o), (TObjectBounds{60, 50, 60, 50}));
    EXPECT_TRUE(document.selection().isSelected(&o));
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());
}

TEST_F(SceneCanvasTest, ZoomedMouseWorksInSceneCoordinates) {
    TDemoObject& o = shape(40, 40, 60, 50);
    canvas->setZoom(2.0);
    document.selection().select(&o);
    // The right handle of the object at (99, 65) in the scene.
    press({99, 65});
    moveTo({119, 65});
    release({119, 65});
    EXPECT_EQ(BoundsOf(o), (TObjectBounds{40, 40, 80, 50}));
    EXPECT_EQ(canvas->scenePoint(QPoint(3 + 21, 3 + 21)), QPoint(10, 10));
}

TEST_F(SceneCanvasTest, ToolPressAddsOneObjectAndHandsTheToolBack) {
    canvas->setGrid({true, true, 8, 8});
    canvas->setTool(TObjectKind::Label);
    QSignalSpy finished(canvas.get(), &SceneCanvas::toolFinished);
    press({13, 4});
    release({13, 4});
    ASSERT_EQ(scene->Objects.size(), 1u);
    EXPECT_EQ(scene->Objects[0]->Left, 16);
    EXPECT_EQ(scene->Objects[0]->Top, 8);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(canvas->interaction().tool());
    EXPECT_TRUE(document.selection().isSelected(scene->Objects[0].get()));
}

// A cursor or a sound added with its tool has the size of the picture the canvas shows for it;
// undo takes the object away again.
TEST_F(SceneCanvasTest, ToolAddedCursorsAndSoundsTakeThePicturesSize) {
    canvas->setGrid({true, false, 8, 8});
    for (const TObjectKind kind : {TObjectKind::Cursor, TObjectKind::Audio}) {
        canvas->setTool(kind);
        press({50, 60});
        release({50, 60});
        ASSERT_EQ(scene->Objects.size(), 1u);
        EXPECT_EQ(BoundsOf(*scene->Objects[0]), (TObjectBounds{50, 60, 32, 32}));
        stack().undo();
        EXPECT_TRUE(scene->Objects.empty());
    }
    canvas->setTool(TObjectKind::Shape); // the others keep the new object's size
    press({50, 60});
    release({50, 60});
    ASSERT_EQ(scene->Objects.size(), 1u);
    EXPECT_EQ(BoundsOf(*scene->Objects[0]), (TObjectBounds{50, 60, 105, 105}));
}

TEST_F(SceneCanvasTest, ArrowKeysNudgeAndShiftUsesTheGridStep) {
    TDemoObject& o = shape(40, 40, 20, 20);
    document.selection().select(&o);
    QTest::keyClick(canvas.get(), Qt::Key_Right);
    EXPECT_EQ(o.Left, 41);
    QTest::keyClick(canvas.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(o.Top, 48);
    EXPECT_EQ(stack().count(), 2);
}

TEST_F(SceneCanvasTest, PaintsTheSceneGridFramesAndHandles) {
    scene->BackColor = 0xFFFFFF;
    TDemoObject& o = shape(40, 40, 60, 50);
    QImage image = picture();
    const QPoint origin(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth);
    EXPECT_EQ(image.pixel(origin + QPoint(16, 16)), qRgb(0, 0, 0)); // a grid dot
    EXPECT_EQ(image.pixel(origin + QPoint(17, 16)), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0x80, 0x80, 0x80)); // the frame
    // No handles until selected: inside the top-left handle box, outside the frame, the
    // background shows.
    EXPECT_EQ(image.pixel(origin + QPoint(38, 38)), qRgb(255, 255, 255));
    document.selection().select(&o);
    QApplication::processEvents();
    image = picture();
    EXPECT_NE(image.pixel(origin + QPoint(38, 38)), qRgb(255, 255, 255));
}

TEST_F(SceneCanvasTest, DraggingRepaintsLittleAndReRendersNothing) {
    TDemoObject& o = shape(40, 40, 60, 50);
    shape(200, 150, 60, 50);
    picture(); // everything drawn once
    const std::size_t renders = canvas->pictures().renderCount();
    canvas->takePendingRepaint();
    press({50, 50});
    moveTo({60, 50});
    const QRegion pending = canvas->takePendingRepaint();
    EXPECT_FALSE(pending.isEmpty());
    EXPECT_LT(pending.boundingRect().width(), 120); // around the moved object only
    picture();
    EXPECT_EQ(canvas->pictures().renderCount(), renders);
    release({60, 50});
    EXPECT_EQ(o.Left, 50);
}

TEST_F(SceneCanvasTest, RubberBandDragSelectsAndUndoDoesNotTouchSelection) {
    TDemoObject& a = shape(40, 40, 30, 30);
    TDemoObject& b = shape(150, 40, 30, 30);
    press({10, 10});
    moveTo({60, 60});
    EXPECT_TRUE(canvas->interaction().rubberBand());
    release({60, 60});
    EXPECT_TRUE(document.selection().isSelected(&a));
    EXPECT_FALSE(document.selection().isSelected(&b));
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(SceneCanvasTest, NoSceneHidesTheCanvas) {
    document.setCurrentScene(nullptr);
    EXPECT_FALSE(canvas->isVisible());
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, QPoint(10, 10)); // and clicks are harmless
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(SceneCanvasTest, CtrlDragFromAHandleDrawsABandAndResizesNothing) {
    TDemoObject& o = shape(40, 40, 60, 50);
    document.selection().select(&o);
    press({99, 89}, Qt::ControlModifier); // the bottom-right handle
    moveTo({150, 120});
    EXPECT_EQ(canvas->interaction().rubberBand(), QRect(QPoint(99, 89), QPoint(150, 120)));
    const QImage withBand = picture();
    release({150, 120}, Qt::ControlModifier);
    const QImage after = picture();
    int bandPixels = 0; // the band's right edge shows while dragging and goes on release
    for (int y = 95; y <= 115; ++y)
        for (int x = 140; x <= 160; ++x) {
            const QPoint at(SceneCanvas::kFrameWidth + x, SceneCanvas::kFrameWidth + y);
            bandPixels += withBand.pixel(at) != after.pixel(at);
        }
    EXPECT_GE(bandPixels, 5);
    EXPECT_EQ(BoundsOf(o), (TObjectBounds{40, 40, 60, 50}));
    EXPECT_FALSE(document.selection().isSelected(&o)); // the band touched it: toggled off
    EXPECT_EQ(stack().count(), 0);
}

// Every change repaints enough: a copy updated from the waiting areas alone matches a full
// paint after selecting, dragging several objects, undoing and redoing, and selecting again.
TEST_F(SceneCanvasTest, RepaintingTheChangedAreasLeavesNoStalePixels) {
    scene->BackColor = 0xFFFFFF;
    TDemoObject& a = shape(40, 40, 60, 50);
    TDemoObject& b = shape(150, 100, 60, 50);
    TDemoObject& lone = shape(250, 30, 20, 20);
    TDemoObject& first = place(TObjectKind::Cursor, 20, 180);
    place(TObjectKind::Cursor, 200, 200);
    canvas->resetScene();
    startScreen();
    click({50, 50});
    click({160, 110}, Qt::ControlModifier);
    ASSERT_EQ(document.selectedObjects().size(), 2u);
    EXPECT_EQ(stalePixels(), 0) << "after selecting two";
    canvas->resetScene(); // the window shows the scene afresh after changes
    updateScreen();
    click({50, 50}); // a click on a selected object keeps the others selected
    dragBy({50, 50}, {-24, 120}); // b partly off the scene's bottom edge
    EXPECT_EQ(BoundsOf(b), (TObjectBounds{126, 220, 60, 50}));
    EXPECT_EQ(stalePixels(), 0) << "after dragging both";
    stack().undo();
    EXPECT_EQ(BoundsOf(a), (TObjectBounds{40, 40, 60, 50}));
    EXPECT_EQ(stalePixels(), 0) << "after undo";
    click({260, 40});
    EXPECT_EQ(document.selectedObjects(), std::vector<TDemoObject*>{&lone});
    EXPECT_EQ(stalePixels(), 0) << "after selecting another";
    stack().redo();
    EXPECT_EQ(stalePixels(), 0) << "after redo";
    click({first.Left + 5, first.Top + 5}); // a cursor: the path after it turns solid
    dragBy({first.Left + 5, first.Top + 5}, {40, -60});
    EXPECT_EQ(stalePixels(), 0) << "after dragging a cursor";
}

// Zoomed in, out and by an odd factor, a drag and its undo repaint every pixel they touch.
TEST_F(SceneCanvasTest, ZoomedRepaintsLeaveNoStalePixelsEither) {
    scene->BackColor = 0xFFFFFF;
    TDemoObject& a = shape(40, 40, 60, 50);
    shape(150, 100, 60, 50);
    place(TObjectKind::Cursor, 20, 180);
    place(TObjectKind::Cursor, 200, 200);
    canvas->resetScene();
    for (const double zoom : {2.0, 0.5, 1.5}) {
        canvas->setZoom(zoom);
        startScreen();
        click({50, 50});
        click({160, 110}, Qt::ControlModifier);
        const TObjectBounds before = BoundsOf(a);
        dragBy({50, 50}, {-24, 40});
        EXPECT_NE(BoundsOf(a), before) << zoom;
        EXPECT_EQ(stalePixels(), 0) << "after the drag at zoom " << zoom;
        stack().undo();
        click({22, 182});
        EXPECT_EQ(stalePixels(), 0) << "after undo and a click at zoom " << zoom;
    }
}

} // namespace
} // namespace vantora::test
