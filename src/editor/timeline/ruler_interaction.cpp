#include "editor/timeline/ruler_interaction.h"

#include "editor/document/editor_document.h"
#include "editor/timeline/timeline_geometry.h"

#include <algorithm>

namespace vantora::timeline {

RulerInteraction::RulerInteraction(EditorDocument& document) : document_(document), unitWidth_(kDefaultUnitWidth) {}

void RulerInteraction::setUnitWidth(int unitWidth) { unitWidth_ = std::clamp(unitWidth, kMinUnitWidth, kMaxUnitWidth); }

TDemoFrame* RulerInteraction::scene() const { return document_.currentScene(); }

int RulerInteraction::timeAt(int x) const { return RulerPosition(x, offset_, unitWidth_) - 1; }

void RulerInteraction::press(int x) {
    release();
    if (const TDemoFrame* current = scene()) {
        grabbed_ = RulerStopPointAt(*current, x, offset_, unitWidth_);
        grabScene_ = current;
        dragKey_ = document_.newDragKey();
    }
}

void RulerInteraction::doubleClick(int x) {
    release(); // the stop point a drag would move may be the one removed now
    const TDemoFrame* current = scene();
    if (!current)
        return;
    if (RulerStopPointAt(*current, x, offset_, unitWidth_))
        document_.removeStopPoint(timeAt(x));
    else
        document_.addStopPoint(timeAt(x)); // refused outside the scene
}

void RulerInteraction::drag(int x) {
    const TDemoFrame* current = scene();
    if (!grabbed_ || !current || current != grabScene_)
        return;
    document_.moveStopPoint(*grabbed_, timeAt(x), dragKey_); // refused outside the scene
}

void RulerInteraction::release() {
    grabbed_.reset();
    grabScene_ = nullptr;
}

bool RulerInteraction::overStopPoint(int x) const {
    const TDemoFrame* current = scene();
    return current && RulerStopPointAt(*current, x, offset_, unitWidth_).has_value();
}

} // namespace vantora::timeline
