#pragma once
// The button face (kind Button): a rounded rectangle with its caption, or the button picture
// stretched to the button with the caption on top.

#include "model/demo_object.h"

#include <QImage>

namespace vantora {

// Paints `button` into `target` (Format_ARGB32, straight alpha, Width x Height).
void PaintButton(const TDemoObject& button, QImage& target);

} // namespace vantora
