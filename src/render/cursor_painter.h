#pragma once
// Cursor objects: a built-in cursor picture by CursorType, or the object's own picture for
// "Custom", turned and mirrored like an image.

#include "model/demo_object.h"

#include <QImage>

namespace vantora {

void PaintCursor(const TDemoObject& cursor, QImage& target);

} // namespace vantora
