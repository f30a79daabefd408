#include "editor/canvas/canvas_geometry.h"

#include "model/animation_motion.h"
#include "model/enum_names.h"
#include "model/object_kind.h"

#include <cstdint>
#include <cstdlib>

namespace vantora::canvas {
namespace {

// Handle boxes reach 3 pixels around their centre; the right and bottom ones sit on the last
// pixel column or row, so their boxes are [L + W - 4, L + W + 2].
bool InBox(int value, int centre) { return value >= centre - 3 && value <= centre + 3; }

bool InColumn(const TDemoObject& o, int handle, int x) {
    switch (handle) {
    case kTopLeft:
    case kBottomLeft:
    case kLeft: return InBox(x, o.Left);
    case kTop:
    case kBottom: return InBox(x, o.Left + o.Width / 2);
    default: return InBox(x, o.Left + o.Width - 1);
    }
}

bool InRow(const TDemoObject& o, int handle, int y) {
    switch (handle) {
    case kTopLeft:
    case kTop:
    case kTopRight: return InBox(y, o.Top);
    case kLeft:
    case kRight: return InBox(y, o.Top + o.Height / 2);
    default: return InBox(y, o.Top + o.Height - 1);
    }
}

std::int32_t BalloonCode(std::string_view name) { return *CodeOfName(names::BalloonArrow, name); }
std::int32_t RoundBalloonCode(std::string_view name) { return *CodeOfName(names::RoundBalloonArrow, name); }

std::int32_t BalloonArrowToward(std::int64_t dx, std::int64_t dy, std::int64_t hw, std::int64_t hh, bool right, bool below) {
    if (dx < dy) {
        if (dx < hw * dy / hh)
            return BalloonCode(below ? (right ? "BottomRight" : "BottomLeft") : (right ? "TopRight" : "TopLeft"));
        return BalloonCode(below ? (right ? "RightDown" : "LeftDown") : (right ? "RightUp" : "LeftUp"));
    }
    const bool steep = dy >= hh * dx / hw;
    if (!below)
        return BalloonCode(right ? (steep ? "TopRight" : "RightUp") : (steep ? "TopLeft" : "LeftUp"));
    return BalloonCode(right ? (steep ? "BottomRight" : "RightDown") : (steep ? "BottomLeft" : "LeftDown"));
}

std::int32_t RoundBalloonArrowToward(std::int64_t dx, std::int64_t dy, std::int64_t hw, std::int64_t hh, bool right, bool below) {
    if (dx < dy) {
        if (dx < dy * (hw - 15) / hh)
            return RoundBalloonCode(below ? (right ? "BottomRight" : "BottomLeft") : (right ? "TopRight" : "TopLeft"));
        return RoundBalloonCode(below ? (right ? "RightBottmCorner" : "LeftBottomCorner")
                                      : (right ? "TopRightCorner" : "LeftTopCorner"));
    }
    const bool steep = dy >= dx * (hh - 15) / hw;
    if (!below)
        return RoundBalloonCode(right ? (steep ? "TopRightCorner" : "RightTop") : (steep ? "LeftTopCorner" : "LeftTop"));
    return RoundBalloonCode(right ? (steep ? "RightBottmCorner" : "RightBottom")
                                  : (steep ? "LeftBottomCorner" : "LeftBottom"));
}

} // namespace

QPoint HandleCentre(const TDemoObject& o, int handle) {
    const int left = o.Left;
    const int centre = o.Left + o.Width / 2;
    const int right = o.Left + o.Width - 1;
    const int top = o.Top;
    const int middle = o.Top + o.Height / 2;
    const int bottom = o.Top + o.Height - 1;
    switch (handle) {
    case kTopLeft: return {left, top};
    case kTop: return {centre, top};
    case kTopRight: return {right, top};
    case kRight: return {right, middle};
    case kBottomRight: return {right, bottom};
    case kBottom: return {centre, bottom};
    case kBottomLeft: return {left, bottom};
    case kLeft: return {left, middle};
    default: return {centre, middle};
    }
}

std::array<QPoint, 8> HandleCentres(const TDemoObject& object) {
    std::array<QPoint, 8> centres;
    for (int handle = kTopLeft; handle <= kLeft; ++handle)
        centres[static_cast<std::size_t>(handle - 1)] = HandleCentre(object, handle);
    return centres;
}

bool HasPointerTip(const TDemoObject& object) {
    if (object.Kind == TObjectKind::RoundBalloon)
        return true;
    return object.Kind == TObjectKind::Balloon && object.Option != BalloonCode("None");
}

std::optional<QPoint> PointerTip(const TDemoObject& object) {
    if (!HasPointerTip(object))
        return std::nullopt;
    const OriginPoint tip = object.Kind == TObjectKind::Balloon
                                ? BalloonArrowPoint(object.Option, object.Width, object.Height)
                                : RoundBalloonArrowPoint(object.Option, object.Width, object.Height);
    return QPoint(object.Left + tip.x, object.Top + tip.y);
}

int HitTestSelected(const TDemoObject& object, QPoint point) {
    if (const std::optional<QPoint> tip = PointerTip(object))
        if (InBox(point.x(), tip->x()) && InBox(point.y(), tip->y()))
            return kPointerTip;
    for (int handle = kLeft; handle >= kTopLeft; --handle)
        if (InColumn(object, handle, point.x()) && InRow(object, handle, point.y()))
            return handle;
    return RectangleContains(object, point) ? kBody : kNoHandle;
}

bool RectangleContains(const TDemoObject& o, QPoint p) {
    return p.x() >= o.Left && p.x() <= o.Left + o.Width - 1 && p.y() >= o.Top && p.y() <= o.Top + o.Height - 1;
}

bool InteriorContains(const TDemoObject& o, QPoint p) {
    return o.Left < p.x() && p.x() < o.Left + o.Width - 1 && o.Top < p.y() && p.y() < o.Top + o.Height - 1;
}

QRect PixelRect(const TDemoObject& o) { return QRect(o.Left, o.Top, o.Width, o.Height); }

TObjectBounds ApplyHandle(TObjectBounds b, int handle, int dx, int dy) {
    const bool movesLeft = handle == kTopLeft || handle == kBottomLeft || handle == kLeft;
    const bool movesTop = handle == kTopLeft || handle == kTop || handle == kTopRight;
    const bool growsRight = handle == kTopRight || handle == kRight || handle == kBottomRight;
    const bool growsDown = handle == kBottomRight || handle == kBottom || handle == kBottomLeft;
    if (handle == kBody) {
        b.Left += dx;
        b.Top += dy;
        return b;
    }
    if (movesLeft) {
        b.Left += dx;
        b.Width -= dx;
    }
    if (movesTop) {
        b.Top += dy;
        b.Height -= dy;
    }
    if (growsRight)
        b.Width += dx;
    if (growsDown)
        b.Height += dy;
    return b;
}

std::optional<std::int32_t> ArrowToward(const TDemoObject& object, QPoint point) {
    if (object.Kind != TObjectKind::Balloon && object.Kind != TObjectKind::RoundBalloon)
        return std::nullopt;
    const int hw = object.Width / 2;
    const int hh = object.Height / 2;
    const int cx = object.Left + hw;
    const int cy = object.Top + hh;
    // A balloon too small to have half sizes has no sides to choose between.
    if (point.x() == cx || point.y() == cy || hw <= 0 || hh <= 0)
        return std::nullopt;
    // 64-bit so that the products of a damaged, huge balloon cannot overflow.
    const std::int64_t dx = std::abs(std::int64_t(point.x()) - cx);
    const std::int64_t dy = std::abs(std::int64_t(point.y()) - cy);
    const bool right = point.x() >= cx;
    const bool below = point.y() > cy;
    if (object.Kind == TObjectKind::Balloon)
        return BalloonArrowToward(dx, dy, hw, hh, right, below);
    return RoundBalloonArrowToward(dx, dy, hw, hh, right, below);
}

} // namespace vantora::canvas
