#pragma once
// What one whole-unit step of a timeline drag does to the times of the bars, free of widgets and
// of the undo history: the results go to the document as one merged timing edit per drag. The
// rules keep every bar at or after 0, at least two units long, and a cursor's movement after
// the movement of the cursor before it in list order (later cursors are pushed by the timing
// edit itself).

#include "model/demo_frame.h"
#include "model/object_edits.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace vantora::timeline {

using BarTiming = std::pair<TDemoObject*, TObjectTiming>;

// The end of the nearest cursor before `object` in list order, if there is one.
std::optional<std::int32_t> EarlierCursorEnd(const TDemoFrame& scene, const TDemoObject& object);

// The bars of `moved` (objects of the scene) shifted by `steps` units, in list order. A bar that
// would start before 0 starts at 0, and a cursor that would start before the earlier cursor's
// (possibly also moved) end starts there; both keep their duration. Only changed bars are listed.
std::vector<BarTiming> MovedBars(const TDemoFrame& scene, const std::vector<TDemoObject*>& moved, int steps);

// The bar's start moved by `steps`: at least 0 and at most two units before its end; a cursor's
// start also at least the earlier cursor's end. Empty when nothing changes.
std::optional<BarTiming> MovedStart(const TDemoFrame& scene, TDemoObject& object, int steps);

// The bar's end moved by `steps`, at least two units after its start. Empty when nothing changes.
std::optional<BarTiming> MovedEnd(TDemoObject& object, int steps);

// The scene length asked for when its end is dragged by `steps` (the timing edit raises it to the
// last object end and to kMinimumSceneLength).
std::int32_t DraggedSceneLength(const TDemoFrame& scene, int steps);

} // namespace vantora::timeline
