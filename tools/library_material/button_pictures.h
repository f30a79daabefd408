#pragma once
// The "Buttons" library: captioned button pictures ("Next", "Back", "OK", "Start", "Close",
// "Replay") in a glossy, a flat and a rounded pill style, 96 x 48 so that they fill the tab's
// 64 x 32 thumbnails without distortion.

#include "library_material/material_file.h"

namespace vantora::material {

inline constexpr int kButtonPictureWidth = 96;
inline constexpr int kButtonPictureHeight = 48;

MaterialFiles ButtonPictures();

} // namespace vantora::material
