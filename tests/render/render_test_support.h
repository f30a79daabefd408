#pragma once
// Small helpers shared by the painter tests: objects of a kind and size, pixel probes.

#include "model/demo_object.h"

#include <QImage>

namespace vantora::test {

TDemoObject MakeObject(TObjectKind kind, int width, int height);

// Paints with PaintObject; a null image when nothing was painted.
QImage Painted(const TDemoObject& object);

inline int AlphaAt(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }
inline QRgb RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0x00FFFFFFu; }

} // namespace vantora::test
