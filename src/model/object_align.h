#pragma once
// The "Align" commands: where each selected object goes. The first selected object (in list
// order) is the reference for the six side and centre alignments; "Align to Grid" rounds each
// object's position to the nearest grid point.

#include "model/object_edits.h"

#include <utility>
#include <vector>

namespace vantora {

enum class TAlignMode { Left, Center, Right, Top, Middle, Bottom };

using TBoundsChange = std::pair<TDemoObject*, TObjectBounds>;

// New rectangles for every object after the first; objects already in place are left out.
std::vector<TBoundsChange> AlignedBounds(const std::vector<TDemoObject*>& objects, TAlignMode mode);

// v rounded to the nearest multiple of grid, halves upward, negative values as well; near the ends
// of the range the nearest multiple that fits. A grid below 1 leaves v as it is.
std::int32_t SnapToGrid(std::int32_t value, std::int32_t grid);

// New rectangles for the objects whose position is off the grid.
std::vector<TBoundsChange> GridAlignedBounds(const std::vector<TDemoObject*>& objects, std::int32_t gridX,
                                             std::int32_t gridY);

} // namespace vantora
