#pragma once
// The small edits that undo and redo are made of: putting an object in or out of a scene at a
// given place, and setting its rectangle, its times and the order of the scene's objects. Each
// reports what it changed; none reports anything when nothing changes.

#include "model/demo_frame.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vantora {

struct TObjectBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const TObjectBounds&) const = default;
};

struct TObjectTiming {
    std::int32_t StartTime = 0;
    std::int32_t EndTime = 0;
    bool operator==(const TObjectTiming&) const = default;
};

TObjectBounds BoundsOf(const TDemoObject& object);
TObjectTiming TimingOf(const TDemoObject& object);

// Inserts the object at `index` (clamped to the end) and reports ObjectAdded. Returns it.
TDemoObject& InsertObject(TDemoFrame& scene, std::size_t index, std::unique_ptr<TDemoObject> object);

// Takes the object at `index` out of the scene and reports ObjectRemoved while it still exists.
// Empty when the index is outside the list.
std::unique_ptr<TDemoObject> RemoveObjectAt(TDemoFrame& scene, std::size_t index);

// Reports ObjectChanged when the rectangle differs.
void SetObjectBounds(TDemoFrame& scene, TDemoObject& object, const TObjectBounds& bounds);

// Reports ObjectTiming when the times differ.
void SetObjectTiming(TDemoFrame& scene, TDemoObject& object, const TObjectTiming& timing);

// Reports ObjectTiming when the length differs.
void SetSceneLength(TDemoFrame& scene, std::int32_t length);

// Replaces the stop points (reports StopPoints when they differ). The list is taken as it is: it
// restores a list the scene held before.
void SetStopPoints(TDemoFrame& scene, const std::vector<std::int32_t>& stopPoints);

// The scene's objects, in drawing order.
std::vector<TDemoObject*> ObjectOrder(const TDemoFrame& scene);

// Puts the scene's objects into `order`, which must name every object of the scene once. False,
// with nothing changed, when it does not; reports ObjectsReordered when the order changes.
bool SetObjectOrder(TDemoFrame& scene, const std::vector<TDemoObject*>& order);

} // namespace vantora
