#pragma once
// The rendering entry: every visible object becomes one 32-bit picture with straight alpha.

#include "model/demo_object.h"

#include "picture/rgba_image.h"

#include <QImage>

#include <optional>

namespace vantora {

// Draws `object` into `target` by its kind, without the Alpha (%) step and without touching the
// object's cached picture. `target` becomes Format_ARGB32 with straight alpha (its buffer reused
// when it already has the right size), or null for kinds without a picture (Text, InputText,
// Audio) and objects that cannot be drawn. Returns whether a picture was made.
bool PaintObject(const TDemoObject& object, QImage& target);

// The object's rendered picture, as the editor shows and caches it (ObjectRenderCache):
// PaintObject, then every alpha scaled by Alpha / 100 when Alpha is 0..99. Nothing for objects
// without a picture.
std::optional<RgbaImage> RenderObject(const TDemoObject& object);

// Scales every alpha value a to a * percent / 100 (integer); percent outside 0..99 changes nothing.
void ApplyAlphaPercent(QImage& picture, int percent);

} // namespace vantora
