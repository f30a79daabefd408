#pragma once
// The scene background item: a rectangle of the movie size around the scene's registration point,
// filled with the scene's colour and, when the scene has a picture, with the background drawn as
// the editor shows it, stored as a JPEG of quality 100 in a work file and stretched over the
// rectangle.

#include "model/demo_frame.h"

#include <cstdint>

namespace swf {
class TFlashMovie;
class TFlashShape;
} // namespace swf

namespace vantora {

class BitmapConverter;
class WorkFiles;

swf::TFlashShape* BuildSceneBackground(swf::TFlashMovie& movie, const TDemoFrame& scene, std::int32_t movieWidth,
                                       std::int32_t movieHeight, WorkFiles& workFiles, BitmapConverter& bitmaps);

} // namespace vantora
