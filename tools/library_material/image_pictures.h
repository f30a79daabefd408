#pragma once
// The "Images" library: arrows in four directions and several colours, highlight frames and
// circles, sign icons (check mark, cross, warning, information, question) and numbered badges,
// drawn antialiased on transparent backgrounds.

#include "library_material/material_file.h"

namespace vantora::material {

MaterialFiles ImagePictures();

} // namespace vantora::material
