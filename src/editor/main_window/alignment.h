#pragma once
// The "Align" submenu: where each selected object goes. The first selected object in list order is
// the reference the six edge and centre alignments follow; Align to Grid rounds every one.

#include "model/object_edits.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vantora {

enum class Alignment { ToGrid, Left, Center, Right, Top, Middle, Bottom };

// The new rectangles of `objects` (list order), only those that change. `gridX`/`gridY` are used
// by ToGrid; a grid below 1 counts as 1.
std::vector<std::pair<TDemoObject*, TObjectBounds>> AlignObjects(const std::vector<TDemoObject*>& objects,
                                                                 Alignment alignment, std::int32_t gridX,
                                                                 std::int32_t gridY);

// v rounded to the nearest multiple of grid, halves upward; negative values as well.
std::int32_t SnapToGrid(std::int32_t value, std::int32_t grid);

} // namespace vantora
