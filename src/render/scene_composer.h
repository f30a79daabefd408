#pragma once
// The picture of one scene as the editor shows it: background colour, background picture by its
// style, then every object's picture at its place, later objects in front. No grid, no frames.

#include "model/demo_frame.h"

#include <QImage>

namespace vantora {

// Draws the background of `scene` into `canvas` (its size is the demo's).
void ComposeSceneBackground(const TDemoFrame& scene, QImage& canvas);

class ObjectRenderCache;

// The whole scene at width x height, Format_ARGB32 (opaque). Objects take their picture from the
// cache when one is given (rendering what it lacks) and are painted afresh (with Alpha)
// otherwise. A null image when the size cannot be drawn.
QImage ComposeScene(const TDemoFrame& scene, int width, int height, ObjectRenderCache* cache = nullptr);

} // namespace vantora
