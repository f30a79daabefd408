#pragma once
// The scene's stop points: timeline positions where the movie halts until the viewer goes on.
// The operations ignore bad input silently, as the timeline sends raw mouse positions.

#include <cstddef>
#include <cstdint>

namespace vantora {

struct TDemoFrame;

// Appends t unless it is present already or lies outside 0 .. Length - 1.
void AddStopPoint(TDemoFrame& scene, std::int32_t t);

// Removes the first entry equal to t; nothing when absent.
void RemoveStopPoint(TDemoFrame& scene, std::int32_t t);

// Replaces entry `index` by t unless the index is out of range, t lies outside 0 .. Length - 1
// or t is the current value. A value already held by another entry is refused as well, so the
// entries stay unique.
void MoveStopPoint(TDemoFrame& scene, std::size_t index, std::int32_t t);

} // namespace vantora
