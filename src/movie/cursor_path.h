#pragma once
// The pointer's way through a scene: each Cursor object moves in a straight line toward the next
// Cursor object of the list and hands the pointer over to it one frame before it ends.

#include "model/demo_frame.h"
#include "movie/registration.h"

#include <cstdint>
#include <vector>

namespace vantora {

// For every object of the scene, the list index of the next Cursor object after it, or -1 (also
// for objects that are not cursors). List order, not start time, decides.
std::vector<int> NextCursorIndices(const TDemoFrame& scene);

// Index of the first Cursor object of the list, or -1.
int FirstCursorIndex(const TDemoFrame& scene);

// The offset at frame f of a pointer that lives from s to e and moves from `from` toward `to`:
// (f - s) x (to - from) / (e - s), truncating toward zero. A cursor that ends where it starts
// (e <= s) stands still.
MoviePoint CursorPathOffset(MoviePoint from, MoviePoint to, std::int64_t startFrame, std::int64_t endFrame,
                            std::int64_t frame);

} // namespace vantora
