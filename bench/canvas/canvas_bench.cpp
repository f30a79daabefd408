// Times the canvas while one object is dragged across a 1920 x 1080 scene with a screen-shot
// background and 30 objects of every kind: mouse moves go through the widget as synthetic
// events, and after each move the widget is repainted at once through its backing store, the
// same path a screen update takes. Prints the median time of that repaint for a move and for a
// resize, how many pictures each drag rendered and how many pixels each repaint covered, and
// for comparison the repaint of the whole widget.
//
// The bench checks that it measured what it claims, and exits non-zero otherwise: the press
// must grab the dragged object (its body, then its bottom-right handle), the object must end up
// moved or resized by exactly the mouse's travel, every step must paint, nothing may be left
// to paint outside the timed repaint, and a copy of the widget kept up to date from the dirty
// regions alone must equal a full fresh paint (no stale pixels). It also fails when the move's
// median is above 8 ms, or when the dragged object was rendered again without a change of size
// (a move must render nothing; a resize exactly once per step).
//   vantora_canvas_bench [steps]

#include "editor/canvas/canvas_geometry.h"
#include "editor/canvas/scene_canvas.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "model/enum_names.h"
#include "model/object_kind.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "picture/jpeg_codec.h"
#include "render/object_render_cache.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace vantora;

namespace {

constexpr int kSceneWidth = 1920;
constexpr int kSceneHeight = 1080;
constexpr int kObjectCount = 30;
constexpr int kDraggedIndex = 22;
constexpr double kGoalMs = 8.0;
// Where the last, untimed step of every drag leaves the mouse, from the press point: a travel
// the timed zig-zag cannot cancel out, so that a drag that did nothing cannot pass. Up and left,
// so that the moved balloon's bottom-right handle stays clear of the neighbours below and right.
const QPoint kFinalTravel(-23, -17);

const TObjectKind kKinds[] = {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note,
                              TObjectKind::Shape,   TObjectKind::Image,        TObjectKind::Label,
                              TObjectKind::Text,    TObjectKind::InputText,    TObjectKind::Button,
                              TObjectKind::Cursor,  TObjectKind::Audio};

bool failed = false;

void fail(const char* what) {
    std::fprintf(stderr, "canvas bench INVALID: %s\n", what);
    failed = true;
}

// CPU time of this process, so that other programs on a shared machine disturb the numbers less
// than wall-clock time would.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Picture screenshotPicture(int width, int height) {
    RgbaImage shot{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shot.pixel(x, y) = packArgb(255, std::uint8_t(x * 7), std::uint8_t(y * 3), std::uint8_t((x ^ y) & 0xFF));
    return Picture(PictureFormat::Jpeg, encodeJpeg(shot, 85));
}

// Objects of every kind spread in rows over the scene, overlapping their neighbours a little.
// Returns the one made kDraggedIndex-th (a balloon in the middle, with neighbours on every
// side); the scene keeps its own order of kinds, so its place in the list differs.
TDemoObject* fillScene(TDemoFrame& scene) {
    TDemoObject* dragged = nullptr;
    scene.BackImage = screenshotPicture(kSceneWidth, kSceneHeight);
    scene.BackImageStyle = 2; // stretched
    for (int i = 0; i < kObjectCount; ++i) {
        const TObjectKind kind = kKinds[i % std::size(kKinds)];
        TDemoObject& o = NewObject(scene, kind, 40 + (i % 6) * 300, 60 + (i / 6) * 200);
        o.Width = 280;
        o.Height = 180;
        o.Text = "Click the Start button, then choose Settings to open the control panel.";
        if (kind == TObjectKind::Image)
            o.Picture = screenshotPicture(280, 180);
        if (i == kDraggedIndex)
            dragged = &o;
    }
    return dragged;
}

// Counts the widget's paint events and keeps a copy of what they painted, built from the dirty
// regions only, as the screen would show it.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }

    void resetCopy() {
        copy_ = widget_.grab().toImage().convertToFormat(QImage::Format_RGB32);
        paints_ = 0;
        paintedPixels_ = 0;
    }
    // Brings the copy up to date with one region, painted through the widget's paint code.
    void paintCopy(const QRegion& region) {
        QPainter painter(&copy_);
        watching_ = false;
        widget_.render(&painter, region.boundingRect().topLeft(), region, QWidget::DrawWindowBackground);
        watching_ = true;
    }
    int paints() const { return paints_; }
    long long paintedPixels() const { return paintedPixels_; }
    const QImage& copy() const { return copy_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (watching_ && object == &widget_ && event->type() == QEvent::Paint) {
            ++paints_;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                paintedPixels_ += (long long)r.width() * r.height();
        }
        return false;
    }

private:
    QWidget& widget_;
    QImage copy_;
    int paints_ = 0;
    long long paintedPixels_ = 0;
    bool watching_ = true;
};

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

struct DragResult {
    double medianRepaintMs = 0;
    double medianMoveMs = 0;
    std::size_t renders = 0;
    long long medianPixels = 0;
    QPoint travel;
};

// The mouse's offset from the press point at a step: a zig-zag that stays within a few dozen
// pixels, so that any number of steps keeps the object on the scene.
QPoint zigZag(int step, int dx, int dy) {
    const int x = step % 40 < 20 ? step % 20 : 20 - step % 20;
    const int y = step % 14 < 7 ? step % 7 : 7 - step % 7;
    return QPoint(x * dx, y * dy);
}

class Drag {
public:
    Drag(SceneCanvas& canvas, PaintWatcher& watcher) : canvas_(canvas), watcher_(watcher) {}

    // Presses at `from` (scene point), then moves the mouse `steps` times along the zig-zag,
    // timing the handling of each move and the repaint of what it left to repaint; a last move
    // leaves the mouse kFinalTravel from the press point before the release.
    DragResult run(QPoint from, int dx, int dy, int steps, int expectedHandle) {
        ObjectRenderCache& cache = canvas_.pictures();
        QApplication::processEvents();
        watcher_.resetCopy();
        canvas_.takePendingRepaint();
        const std::size_t rendersBefore = cache.renderCount();
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        if (canvas_.interaction().handle() != expectedHandle)
            fail("the press did not grab the expected handle of the dragged object");
        repaintNow(); // the handles the press showed, untimed
        settle();
        std::vector<double> repaints, moves, pixels;
        for (int step = 1; step <= steps; ++step) {
            const double start = cpuMilliseconds();
            send(QEvent::MouseMove, from + zigZag(step, dx, dy), Qt::LeftButton);
            const double moved = cpuMilliseconds();
            const int paintsBefore = watcher_.paints();
            const long long pixelsBefore = watcher_.paintedPixels();
            const QRegion dirty = canvas_.takePendingRepaint();
            canvas_.repaint(dirty);
            repaints.push_back(cpuMilliseconds() - moved);
            moves.push_back(moved - start);
            pixels.push_back(double(watcher_.paintedPixels() - pixelsBefore));
            if (watcher_.paints() == paintsBefore)
                fail("a move's repaint painted nothing (widget not shown, or the object did not move)");
            watcher_.paintCopy(dirty);
            settle();
        }
        send(QEvent::MouseMove, from + kFinalTravel, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, from + kFinalTravel, Qt::NoButton);
        repaintNow();
        settle();
        if (watcher_.copy() != canvas_.grab().toImage().convertToFormat(QImage::Format_RGB32))
            fail("repainting the dirty regions left stale pixels behind");
        return {median(repaints), median(moves), cache.renderCount() - rendersBefore,
                (long long)median(pixels), kFinalTravel};
    }

private:
    void send(QEvent::Type type, QPoint scenePoint, Qt::MouseButtons buttons) {
        const QPoint frame(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth);
        sendMouse(canvas_, type, scenePoint + frame, buttons);
    }
    void repaintNow() {
        const QRegion dirty = canvas_.takePendingRepaint();
        canvas_.repaint(dirty);
        watcher_.paintCopy(dirty);
    }
    // Runs what the widget still had queued: it must not hold paints the timing missed.
    void settle() {
        const int before = watcher_.paints();
        QApplication::processEvents();
        if (watcher_.paints() != before)
            fail("the widget painted outside the timed repaint");
    }

    SceneCanvas& canvas_;
    PaintWatcher& watcher_;
};

// The cost of painting the whole widget, for comparison with the repaint of a drag step.
double medianFullRepaintMs(SceneCanvas& canvas, int times) {
    std::vector<double> repaints;
    for (int i = 0; i < times; ++i) {
        const double start = cpuMilliseconds();
        canvas.repaint();
        repaints.push_back(cpuMilliseconds() - start);
    }
    canvas.takePendingRepaint();
    return median(repaints);
}

void expectBounds(const TDemoObject& object, const TObjectBounds& expected, const char* what) {
    if (BoundsOf(object) == expected)
        return;
    std::fprintf(stderr, "  object at %d,%d %dx%d, expected %d,%d %dx%d\n", object.Left, object.Top, object.Width,
                 object.Height, expected.Left, expected.Top, expected.Width, expected.Height);
    fail(what);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::clamp(std::atoi(argv[1]), 10, 100000) : 200;

    EditorDocument document;
    TVantora& demo = document.demo();
    demo.Width = kSceneWidth;
    demo.Height = kSceneHeight;
    TDemoFrame& scene = NewScene(demo);
    TDemoObject& dragged = *fillScene(scene);
    if (dragged.Kind != TObjectKind::Balloon)
        fail("the dragged object is not the balloon it should be");
    // No pointer tip over its handles.
    dragged.Option = *CodeOfName(names::BalloonArrow, "None");
    document.setCurrentScene(&scene);
    SceneCanvas canvas(document);
    canvas.setGrid({true, false, 8, 8});
    canvas.resetScene();
    canvas.show();
    QApplication::processEvents();
    if (!canvas.isVisible() || canvas.size() != QSize(kSceneWidth + 6, kSceneHeight + 6))
        fail("the canvas is not shown at the scene's size");
    PaintWatcher watcher(canvas);
    Drag drag(canvas, watcher);

    const TObjectBounds start = BoundsOf(dragged);
    const QPoint body(start.Left + start.Width / 2, start.Top + start.Height / 2);
    const DragResult move = drag.run(body, 2, 1, steps, canvas::kBody);
    const TObjectBounds moved{start.Left + move.travel.x(), start.Top + move.travel.y(), start.Width, start.Height};
    expectBounds(dragged, moved, "the move drag did not move the object by the mouse's travel");
    if (document.selection().selectedObjects() != std::vector<TDemoObject*>{&dragged})
        fail("the move drag did not leave the dragged object selected alone");

    // Then its bottom-right handle, which changes the size at every step.
    const QPoint corner(moved.Left + moved.Width - 1, moved.Top + moved.Height - 1);
    const DragResult resize = drag.run(corner, 2, 1, steps, canvas::kBottomRight);
    const TObjectBounds resized{moved.Left, moved.Top, moved.Width + resize.travel.x(),
                                moved.Height + resize.travel.y()};
    expectBounds(dragged, resized, "the resize drag did not resize the object by the mouse's travel");

    const double fullMs = medianFullRepaintMs(canvas, 20);

    const bool fast = move.medianRepaintMs <= kGoalMs;
    const bool movedKeepsPicture = move.renders == 0;
    // Every timed step and the last untimed one change the size.
    const bool resizedRendersOnce = resize.renders == std::size_t(steps) + 1;
    std::printf("scene %d x %d, %d objects of %zu kinds, dragged: %s\n", kSceneWidth, kSceneHeight, kObjectCount,
                std::size(kKinds), std::string(ObjectKindName(dragged.Kind)).c_str());
    std::printf("move   (%d steps): repaint median %7.3f ms (goal <= %.0f ms) %s, event %7.3f ms, "
                "%lld pixels painted, %zu renders %s\n",
                steps, move.medianRepaintMs, kGoalMs, fast ? "ok" : "MISSED", move.medianMoveMs, move.medianPixels,
                move.renders, movedKeepsPicture ? "ok" : "WRONG");
    std::printf("resize (%d steps): repaint median %7.3f ms, event %7.3f ms, %lld pixels painted, "
                "%zu renders (one per step) %s\n",
                steps, resize.medianRepaintMs, resize.medianMoveMs, resize.medianPixels, resize.renders,
                resizedRendersOnce ? "ok" : "WRONG");
    std::printf("whole widget (20 times): repaint median %7.3f ms, %d pixels\n", fullMs,
                canvas.width() * canvas.height());
    if (failed)
        std::printf("INVALID: see the errors above\n");
    return !failed && fast && movedKeepsPicture && resizedRendersOnce ? 0 : 1;
}
