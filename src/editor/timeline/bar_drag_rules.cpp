#include "editor/timeline/bar_drag_rules.h"

#include "editor/timeline/timeline_geometry.h"
#include "model/object_kind.h"

#include <algorithm>
#include <limits>

namespace vantora::timeline {
namespace {

std::int32_t ClampTime(std::int64_t value) {
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
}

bool IsCursor(const TDemoObject& object) { return object.Kind == TObjectKind::Cursor; }

// Shifts the bar right so that it starts no earlier than `earliest`, keeping its duration.
void StartNoEarlierThan(std::int64_t& start, std::int64_t& end, std::int64_t earliest) {
    if (start >= earliest)
        return;
    end += earliest - start;
    start = earliest;
}

std::optional<BarTiming> ChangedTiming(TDemoObject& object, std::int64_t start, std::int64_t end) {
    const TObjectTiming timing{ClampTime(start), ClampTime(end)};
    if (timing == TimingOf(object))
        return std::nullopt;
    return BarTiming{&object, timing};
}

} // namespace

std::optional<std::int32_t> EarlierCursorEnd(const TDemoFrame& scene, const TDemoObject& object) {
    std::optional<std::int32_t> end;
    for (const auto& other : scene.Objects) {
        if (other.get() == &object)
            return end;
        if (other && IsCursor(*other))
            end = other->EndTime;
    }
    return std::nullopt; // not in the scene
}

std::vector<BarTiming> MovedBars(const TDemoFrame& scene, const std::vector<TDemoObject*>& moved, int steps) {
    std::vector<BarTiming> changes;
    std::optional<std::int64_t> previousCursorEnd; // after the moves made so far
    for (const auto& held : scene.Objects) {
        if (!held)
            continue;
        TDemoObject& object = *held;
        std::int64_t start = object.StartTime;
        std::int64_t end = object.EndTime;
        if (std::find(moved.begin(), moved.end(), &object) != moved.end()) {
            start += steps;
            end += steps;
            StartNoEarlierThan(start, end, 0);
            if (IsCursor(object) && previousCursorEnd)
                StartNoEarlierThan(start, end, *previousCursorEnd);
            if (auto change = ChangedTiming(object, start, end))
                changes.push_back(*change);
        }
        if (IsCursor(object))
            previousCursorEnd = ClampTime(end);
    }
    return changes;
}

std::optional<BarTiming> MovedStart(const TDemoFrame& scene, TDemoObject& object, int steps) {
    std::int64_t start = std::int64_t(object.StartTime) + steps;
    start = std::max<std::int64_t>(start, 0);
    start = std::min<std::int64_t>(start, std::int64_t(object.EndTime) - kMinimumBarDuration);
    if (IsCursor(object))
        if (const auto earlierEnd = EarlierCursorEnd(scene, object))
            start = std::max<std::int64_t>(start, *earlierEnd);
    return ChangedTiming(object, start, object.EndTime);
}

std::optional<BarTiming> MovedEnd(TDemoObject& object, int steps) {
    const std::int64_t end =
        std::max(std::int64_t(object.EndTime) + steps, std::int64_t(object.StartTime) + kMinimumBarDuration);
    return ChangedTiming(object, object.StartTime, end);
}

std::int32_t DraggedSceneLength(const TDemoFrame& scene, int steps) {
    return ClampTime(std::int64_t(scene.Length) + steps);
}

} // namespace vantora::timeline
