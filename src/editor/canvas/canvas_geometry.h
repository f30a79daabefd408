#pragma once
// The arithmetic of canvas editing, free of widgets: grid snapping, the handle boxes and the hit
// test of a selected object, what a handle drag does to a rectangle, and where a balloon's
// pointer goes when its tip is dragged. All coordinates are scene pixels.

#include "model/demo_object.h"
#include "model/object_edits.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <optional>

namespace vantora::canvas {

// What a press on a selected object grabs.
enum Handle : int {
    kNoHandle = -1,
    kBody = 0,
    kTopLeft = 1,
    kTop = 2,
    kTopRight = 3,
    kRight = 4,
    kBottomRight = 5,
    kBottom = 6,
    kBottomLeft = 7,
    kLeft = 8,
    kPointerTip = 9,
};

// The canvas grid: whether its dots show, whether placing and dragging snap to it, its cell size.
struct GridSettings {
    bool show = true;
    bool snap = true;
    int x = 8;
    int y = 8;
};

// The centre of handle 1..8 of an object's rectangle.
QPoint HandleCentre(const TDemoObject& object, int handle);
// The centres of handles 1..8, in handle order.
std::array<QPoint, 8> HandleCentres(const TDemoObject& object);

// Whether the object shows a draggable pointer tip: every RoundBalloon, and a Balloon whose
// arrow is not "None".
bool HasPointerTip(const TDemoObject& object);
// The pointer tip in scene coordinates, for objects that have one.
std::optional<QPoint> PointerTip(const TDemoObject& object);

// The handle of a selected object under (x, y), kNoHandle when none: the pointer tip first,
// then the handles (left column before the others), then the body.
int HitTestSelected(const TDemoObject& object, QPoint point);

// The object's pixels (Left ... Left + W - 1, Top ... Top + H - 1) hold the point.
bool RectangleContains(const TDemoObject& object, QPoint point);
// The point lies strictly inside the rectangle (not on its outermost pixels).
bool InteriorContains(const TDemoObject& object, QPoint point);
// The object's pixels as a rectangle.
QRect PixelRect(const TDemoObject& object);

// The rectangle after dragging `handle` (0..8) by (dx, dy). Sizes are not limited here.
TObjectBounds ApplyHandle(TObjectBounds bounds, int handle, int dx, int dy);

// The "Arrow" code a balloon takes when its tip is dragged to `point`; nothing when the point lies
// on the balloon's centre lines or the object has no pointer of its own.
std::optional<std::int32_t> ArrowToward(const TDemoObject& object, QPoint point);

} // namespace vantora::canvas
