#include "editor/canvas/canvas_interaction.h"

#include "editor/commands/move_resize_command.h"
#include "editor/commands/property_command.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "model/demo.h"
#include "model/object_align.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vantora::canvas {
namespace {

bool IsBalloon(const TDemoObject& object) {
    return object.Kind == TObjectKind::Balloon || object.Kind == TObjectKind::RoundBalloon;
}

} // namespace

CanvasInteraction::CanvasInteraction(EditorDocument& document) : document_(document) {}

TDemoFrame* CanvasInteraction::scene() const { return document_.currentScene(); }

bool CanvasInteraction::press(QPoint point, bool ctrl) {
    TDemoFrame* current = scene();
    if (!current)
        return false;
    if (tool_) {
        const int x = grid_.snap ? SnapToGrid(point.x(), grid_.x) : point.x();
        const int y = grid_.snap ? SnapToGrid(point.y(), grid_.y) : point.y();
        document_.addObject(*tool_, x, y);
        tool_.reset();
        justCreated_ = true;
        return true;
    }
    EditorSelection& selection = document_.selection();
    mode_ = DragMode::RubberBand;
    handle_ = kNoHandle;
    moved_ = false;
    band_.reset();
    if (!ctrl) {
        for (auto it = current->Objects.rbegin(); it != current->Objects.rend(); ++it) {
            TDemoObject* object = it->get();
            if (selection.isSelected(object)) {
                const int hit = HitTestSelected(*object, point);
                if (hit >= 0) {
                    mode_ = DragMode::MovingSelected;
                    handle_ = hit;
                    anchor_ = point;
                    break;
                }
            } else if (InteriorContains(*object, point)) {
                // The press grabs this object alone and drags its body.
                selection.selectOnly(object);
                mode_ = DragMode::MovingSelected;
                handle_ = kBody;
                anchor_ = point;
                break;
            }
        }
    }
    if (mode_ == DragMode::MovingSelected)
        dragKey_ = document_.newDragKey();
    pressPoint_ = point;
    return false;
}

void CanvasInteraction::drag(QPoint point) {
    if (mode_ == DragMode::RubberBand) {
        moved_ = true;
        band_ = QRect(QPoint(std::min(pressPoint_.x(), point.x()), std::min(pressPoint_.y(), point.y())),
                      QPoint(std::max(pressPoint_.x(), point.x()), std::max(pressPoint_.y(), point.y())));
        return;
    }
    if (mode_ != DragMode::MovingSelected || handle_ == kNoHandle)
        return;
    if (handle_ == kPointerTip) {
        dragPointer(point);
        return;
    }
    const bool resize = handle_ != kBody;
    if (grid_.snap && grid_.x > 0 && grid_.y > 0) {
        const int travelX = point.x() - anchor_.x();
        const int travelY = point.y() - anchor_.y();
        if (std::abs(travelX) < grid_.x && std::abs(travelY) < grid_.y)
            return;
        const int dx = travelX / grid_.x * grid_.x;
        const int dy = travelY / grid_.y * grid_.y;
        moveBy(dx, dy, resize);
        anchor_ += QPoint(dx, dy);
    } else {
        moveBy(point.x() - anchor_.x(), point.y() - anchor_.y(), resize);
        anchor_ = point;
    }
    moved_ = true;
}

void CanvasInteraction::moveBy(int dx, int dy, bool resize) {
    const bool snapping = grid_.snap && grid_.x > 0 && grid_.y > 0;
    std::vector<BoundsChange> changes;
    for (TDemoObject* object : document_.selectedObjects()) {
        TObjectBounds bounds = ApplyHandle(BoundsOf(*object), handle_, dx, dy);
        if (resize && snapping) {
            // A snapped size never drops below one grid cell.
            if (bounds.Width <= grid_.x)
                bounds.Width = grid_.x;
            if (bounds.Height <= grid_.y)
                bounds.Height = grid_.y;
        } else if (resize) {
            // Dragging past the opposite edge leaves one pixel, never zero or a negative size.
            if (bounds.Width <= 0)
                bounds.Width = 1;
            if (bounds.Height <= 0)
                bounds.Height = 1;
        }
        changes.emplace_back(object, bounds);
    }
    document_.setBounds(changes, dragKey_);
}

void CanvasInteraction::dragPointer(QPoint point) {
    TDemoFrame* current = scene();
    TDemoObject* balloon = nullptr;
    for (TDemoObject* object : document_.selectedObjects()) {
        if (!IsBalloon(*object))
            continue;
        if (balloon)
            return; // two balloons selected: whose pointer follows is unclear, so none does
        balloon = object;
    }
    if (!current || !balloon)
        return;
    const std::optional<std::int32_t> arrow = ArrowToward(*balloon, point);
    if (!arrow || *arrow == balloon->Option)
        return;
    const PropertySubject subject{&document_.demo(), current, balloon};
    const std::int32_t code = *arrow;
    auto edit = [balloon, current, code] {
        balloon->Option = code;
        NotifySceneChange(*current, ModelChangeKind::ObjectChanged, balloon);
        return EditResult{true, {}, true};
    };
    // Typing in the grids merges by positive keys; a pointer drag uses the negated drag key, so the
    // two never merge into each other.
    document_.push(new PropertyCommand(subject, QStringLiteral("Arrow"), edit, -dragKey_));
    moved_ = true;
}

void CanvasInteraction::release(QPoint point, bool ctrl) {
    if (justCreated_) {
        justCreated_ = false;
        return;
    }
    if (mode_ == DragMode::RubberBand || mode_ == DragMode::PressedUnselected)
        selectOnRelease(point, ctrl);
    mode_ = DragMode::Idle;
    handle_ = kNoHandle;
    moved_ = false;
    band_.reset();
}

void CanvasInteraction::selectOnRelease(QPoint point, bool ctrl) {
    TDemoFrame* current = scene();
    if (!current)
        return;
    EditorSelection& selection = document_.selection();
    if (moved_ && band_) {
        std::vector<TDemoObject*> chosen;
        for (const auto& object : current->Objects) {
            const bool touched = PixelRect(*object).intersects(*band_);
            const bool selected = ctrl ? (touched != selection.isSelected(object.get())) : touched;
            if (selected)
                chosen.push_back(object.get());
        }
        selection.setSelected(chosen);
        return;
    }
    TDemoObject* topmost = nullptr;
    for (auto it = current->Objects.rbegin(); it != current->Objects.rend() && !topmost; ++it)
        if (RectangleContains(**it, point))
            topmost = it->get();
    if (ctrl) {
        if (topmost)
            selection.toggle(topmost);
    } else {
        selection.selectOnly(topmost);
    }
}

void CanvasInteraction::nudge(int dx, int dy, bool autoRepeat) {
    if (!scene() || document_.selectedObjects().empty() || mode_ != DragMode::Idle)
        return;
    if (!autoRepeat || nudgeKey_ == 0)
        nudgeKey_ = document_.newDragKey();
    std::vector<BoundsChange> changes;
    for (TDemoObject* object : document_.selectedObjects())
        changes.emplace_back(object, ApplyHandle(BoundsOf(*object), kBody, dx, dy));
    document_.setBounds(changes, nudgeKey_);
}

HoverShape CanvasInteraction::hoverShape(QPoint point) const {
    const TDemoFrame* current = scene();
    if (!current)
        return HoverShape::Arrow;
    const EditorSelection& selection = document_.selection();
    for (auto it = current->Objects.rbegin(); it != current->Objects.rend(); ++it) {
        const TDemoObject& object = **it;
        if (!selection.isSelected(&object)) {
            if (RectangleContains(object, point))
                return HoverShape::Arrow;
            continue;
        }
        switch (HitTestSelected(object, point)) {
        case kNoHandle: continue;
        case kBody: return HoverShape::Move;
        case kTopLeft:
        case kBottomRight: return HoverShape::SizeNwSe;
        case kTop:
        case kBottom: return HoverShape::SizeNs;
        case kTopRight:
        case kBottomLeft: return HoverShape::SizeNeSw;
        case kPointerTip: return HoverShape::PointerTip;
        default: return HoverShape::SizeWe;
        }
    }
    return HoverShape::Arrow;
}

} // namespace vantora::canvas
