#pragma once
// The pointer's way through a scene: each Cursor object moves in a straight line toward the next
// Cursor object of the list and hands the pointer over to it one frame before it ends.

#include "model/demo_frame.h"
#include "movie/registration.h"

#include <cstdint>
#include <vector>

namespace vantora {

// `onPath[i]` tells whether object i of the scene is a Cursor object that takes part in the path.
// Cursor objects with no time on stage (EndTime <= StartTime) are left out, so that the pointer
// goes on to the next cursor that is shown instead of vanishing at a spot it never reaches.
std::vector<bool> PathCursors(const TDemoFrame& scene, std::int32_t frameRateFactor);

// For every object, the index of the next path cursor after it, or -1 (also for objects that are
// not on the path). List order, not start time, decides.
std::vector<int> NextCursorIndices(const std::vector<bool>& onPath);

// Index of the first path cursor, or -1.
int FirstCursorIndex(const std::vector<bool>& onPath);

// The offset at frame f of a pointer that lives from s to e and moves from `from` toward `to`:
// (f - s) x (to - from) / (e - s), truncating toward zero. A cursor that ends where it starts
// (e <= s) stands still.
MoviePoint CursorPathOffset(MoviePoint from, MoviePoint to, std::int64_t startFrame, std::int64_t endFrame,
                            std::int64_t frame);

} // namespace vantora
