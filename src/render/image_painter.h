#pragma once
// Image objects: the object's own picture with bitmap transparency, quarter turns and mirrors,
// at the picture's own size (the canvas stretches it to the object's box).

#include "model/demo_object.h"

#include <QImage>

namespace vantora {

// Leaves `target` null for other kinds and for empty or undecodable pictures.
void PaintImage(const TDemoObject& image, QImage& target);

} // namespace vantora
