#pragma once
// The picture of one scene as the editor shows it: background colour, background picture by its
// style, then every object's picture at its place, later objects in front. No grid, no frames.

#include "model/demo_frame.h"

#include <QImage>

namespace vantora {

// Draws the background of `scene` into `canvas` (its size is the demo's).
void ComposeSceneBackground(const TDemoFrame& scene, QImage& canvas);

// The whole scene at width x height, Format_ARGB32 (opaque). Objects use their cached picture when
// it has the right size and are painted afresh (with Alpha) otherwise; the cache is not changed.
// A null image when the size cannot be drawn.
QImage ComposeScene(const TDemoFrame& scene, int width, int height);

} // namespace vantora
