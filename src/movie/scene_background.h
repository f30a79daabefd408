#pragma once
// The scene background item: a rectangle of the movie size around the scene's registration point,
// filled with the scene's colour and, when the scene has a picture, with the background drawn as
// the editor shows it, stored as a JPEG of quality 100 in a work file and stretched over the
// rectangle.

#include "model/demo_frame.h"

#include <cstdint>
#include <vector>

namespace swf {
class TFlashMovie;
class TFlashShape;
} // namespace swf

namespace vantora {

class BitmapConverter;
class WorkFiles;

// The scene's background drawn at the movie size as the editor draws it (without grid dots) and
// encoded as a JPEG of quality 100; empty when the scene has no picture or the size cannot be
// drawn. Safe to call on a worker thread.
std::vector<std::uint8_t> DrawSceneBackgroundJpeg(const TDemoFrame& scene, std::int32_t movieWidth,
                                                  std::int32_t movieHeight);

// The background rectangle; `jpeg` is what DrawSceneBackgroundJpeg gave for the scene.
swf::TFlashShape* BuildSceneBackground(swf::TFlashMovie& movie, const TDemoFrame& scene, std::int32_t movieWidth,
                                       std::int32_t movieHeight, const std::vector<std::uint8_t>& jpeg,
                                       WorkFiles& workFiles, BitmapConverter& bitmaps);

} // namespace vantora
