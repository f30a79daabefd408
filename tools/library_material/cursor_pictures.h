#pragma once
// The "Cursors" library: the nineteen built-in cursor shapes as 32 x 32 PNG files named after
// their cursor types, plus a few coloured pointers that the built-in set does not have.

#include "library_material/material_file.h"

namespace vantora::material {

inline constexpr int kCursorPictureSize = 32;

MaterialFiles CursorPictures();

} // namespace vantora::material
