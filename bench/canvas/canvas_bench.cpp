// Times the canvas while one object is dragged across a 1920 x 1080 scene with a screen-shot
// background and 30 objects of every kind: mouse moves go through the widget as synthetic
// events, and each move's repaint is timed on its own. Prints the median repaint time of a move
// and of a resize, and how many pictures each drag rendered. Exits non-zero when the move's
// median repaint is above 8 ms or when the dragged object was rendered again without a change of
// size (a move must render nothing; a resize exactly once per step).
//   vantora_canvas_bench [steps]

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
constexpr double kGoalMs = 8.0;

const TObjectKind kKinds[] = {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note,
                              TObjectKind::Shape,   TObjectKind::Image,        TObjectKind::Label,
                              TObjectKind::Text,    TObjectKind::InputText,    TObjectKind::Button,
                              TObjectKind::Cursor,  TObjectKind::Audio};

// CPU time of this process, so that other programs on a shared machine disturb the numbers less
// than wall-clock time would.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
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
void fillScene(TDemoFrame& scene) {
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
    }
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

struct DragResult {
    double medianRepaintMs = 0;
    double medianMoveMs = 0;
    std::size_t renders = 0;
};

// Presses at `from` (scene point), then moves the mouse `steps` times by (dx, dy), timing the
// handling of each move and the repaint of what it left to repaint.
DragResult drag(SceneCanvas& canvas, QPoint from, int dx, int dy, int steps) {
    const QPoint frame(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth);
    ObjectRenderCache& cache = canvas.pictures();
    canvas.repaint();
    QApplication::processEvents();
    const std::size_t rendersBefore = cache.renderCount();
    sendMouse(canvas, QEvent::MouseButtonPress, from + frame, Qt::LeftButton);
    QApplication::processEvents();
    canvas.takePendingRepaint();
    std::vector<double> repaints, moves;
    QPoint at = from;
    for (int step = 0; step < steps; ++step) {
        at += QPoint(step % 40 < 20 ? dx : -dx, dy * ((step / 7) % 2 ? 1 : -1));
        const double start = cpuMilliseconds();
        sendMouse(canvas, QEvent::MouseMove, at + frame, Qt::LeftButton);
        const double moved = cpuMilliseconds();
        canvas.repaint(canvas.takePendingRepaint());
        repaints.push_back(cpuMilliseconds() - moved);
        moves.push_back(moved - start);
        QApplication::processEvents(); // whatever the widget still had queued, untimed
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, at + frame, Qt::NoButton);
    QApplication::processEvents();
    return {median(repaints), median(moves), cache.renderCount() - rendersBefore};
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
    fillScene(scene);
    document.setCurrentScene(&scene);
    SceneCanvas canvas(document);
    canvas.setGrid({true, false, 8, 8});
    canvas.resetScene();
    canvas.show();
    QApplication::processEvents();

    // The dragged object: a balloon in the middle of the scene, with neighbours on every side.
    TDemoObject& dragged = *scene.Objects[22];
    dragged.Option = *CodeOfName(names::BalloonArrow, "None"); // no pointer tip over the handles
    const QPoint body(dragged.Left + dragged.Width / 2, dragged.Top + dragged.Height / 2);
    const DragResult move = drag(canvas, body, 2, 1, steps);
    // Then its bottom-right handle, which changes the size at every step.
    const QPoint corner(dragged.Left + dragged.Width - 1, dragged.Top + dragged.Height - 1);
    document.selection().selectOnly(&dragged);
    const DragResult resize = drag(canvas, corner, 2, 1, steps);

    const bool fast = move.medianRepaintMs <= kGoalMs;
    const bool movedKeepsPicture = move.renders == 0;
    const bool resizedRendersOnce = resize.renders == std::size_t(steps);
    std::printf("scene %d x %d, %d objects of %zu kinds, dragged: %s\n", kSceneWidth, kSceneHeight, kObjectCount,
                std::size(kKinds), std::string(ObjectKindName(dragged.Kind)).c_str());
    std::printf("move   (%d steps): repaint median %7.3f ms (goal <= %.0f ms) %s, event %7.3f ms, %zu renders %s\n",
                steps, move.medianRepaintMs, kGoalMs, fast ? "ok" : "MISSED", move.medianMoveMs, move.renders,
                movedKeepsPicture ? "ok" : "WRONG");
    std::printf("resize (%d steps): repaint median %7.3f ms, event %7.3f ms, %zu renders (one per step) %s\n", steps,
                resize.medianRepaintMs, resize.medianMoveMs, resize.renders, resizedRendersOnce ? "ok" : "WRONG");
    return fast && movedKeepsPicture && resizedRendersOnce ? 0 : 1;
}
