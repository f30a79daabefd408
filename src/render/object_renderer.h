#pragma once
// The rendering entry: every visible object becomes one 32-bit picture with straight alpha.

#include "model/demo_object.h"

#include <QImage>

namespace vantora {

// Draws `object` into `target` by its kind, without the Alpha (%) step and without touching the
// object's cached picture. `target` becomes Format_ARGB32 with straight alpha (its buffer reused
// when it already has the right size), or null for kinds without a picture (Text, InputText,
// Audio) and objects that cannot be drawn. Returns whether a picture was made.
bool PaintObject(const TDemoObject& object, QImage& target);

// Replaces the object's cached picture (`Rendered`): PaintObject, then every alpha scaled by
// Alpha / 100 when Alpha is 0..99. Objects without a picture are left with none.
void RenderObject(TDemoObject& object);

// Scales every alpha value a to a * percent / 100 (integer); percent outside 0..99 changes nothing.
void ApplyAlphaPercent(QImage& picture, int percent);

} // namespace vantora
