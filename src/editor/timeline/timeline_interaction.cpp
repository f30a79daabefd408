#include "editor/timeline/timeline_interaction.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/timeline/bar_drag_rules.h"
#include "model/object_operations.h"

#include <algorithm>

namespace vantora::timeline {

TimelineInteraction::TimelineInteraction(EditorDocument& document) : document_(document) {}

void TimelineInteraction::setUnitWidth(int unitWidth) {
    unitWidth_ = std::clamp(unitWidth, kMinUnitWidth, kMaxUnitWidth);
}

TDemoFrame* TimelineInteraction::scene() const { return document_.currentScene(); }

GridHit TimelineInteraction::press(QPoint point) {
    cancel();
    TDemoFrame* current = scene();
    if (!current)
        return {};
    grab_ = TimelineGeometry(current, unitWidth_).hitTest(point);
    grabScene_ = current;
    lastX_ = point.x();
    dragKey_ = document_.newDragKey();
    document_.selection().selectOnly(grab_.object);
    return grab_;
}

bool TimelineInteraction::grabStillValid() const {
    // An undo during the drag may have taken the object out of the scene, or changed the scene.
    TDemoFrame* current = scene();
    if (grab_.part == GrabPart::None || !current || current != grabScene_)
        return false;
    return !grab_.object || IndexOfObject(*current, grab_.object) != std::string::npos;
}

void TimelineInteraction::drag(int x) {
    if (!grabStillValid())
        return;
    const int moved = x - lastX_;
    const int steps = moved / unitWidth_; // toward zero, as the remainder stays pending
    if (steps == 0)
        return;
    lastX_ = x - moved % unitWidth_;
    applySteps(*scene(), steps);
}

void TimelineInteraction::applySteps(TDemoFrame& current, int steps) {
    std::vector<BarTiming> changes;
    switch (grab_.part) {
    case GrabPart::SceneEnd:
        document_.setSceneLength(DraggedSceneLength(current, steps), kMinimumSceneLength, dragKey_);
        return;
    case GrabPart::Body: changes = MovedBars(current, document_.selection().selectedIn(current), steps); break;
    case GrabPart::StartEdge:
        if (auto change = MovedStart(current, *grab_.object, steps))
            changes.push_back(*change);
        break;
    case GrabPart::EndEdge:
        if (auto change = MovedEnd(*grab_.object, steps))
            changes.push_back(*change);
        break;
    case GrabPart::None: return;
    }
    document_.setTimings(changes, dragKey_); // no step when nothing changed
}

void TimelineInteraction::release() { cancel(); }

void TimelineInteraction::cancel() {
    grab_ = {};
    grabScene_ = nullptr;
}

GridHover TimelineInteraction::hover(QPoint point) const {
    switch (TimelineGeometry(scene(), unitWidth_).hitTest(point).part) {
    case GrabPart::SceneEnd:
    case GrabPart::StartEdge:
    case GrabPart::EndEdge: return GridHover::SizeHorizontal;
    case GrabPart::Body: return GridHover::Hand;
    case GrabPart::None: break;
    }
    return GridHover::Arrow;
}

} // namespace vantora::timeline
