#pragma once
// Small helpers shared by the painter tests: objects of a kind and size, pixel probes.

#include "model/colour.h"
#include "model/demo_object.h"

#include "picture/rgba_image.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace vantora::test {

TDemoObject MakeObject(TObjectKind kind, int width, int height);

// Paints with PaintObject; a null image when nothing was painted.
QImage Painted(const TDemoObject& object);

inline int AlphaAt(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }
inline QRgb RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0x00FFFFFFu; }
// A stored colour as the RgbAt probe reads it.
inline QRgb RgbOf(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)) & 0xFFFFFFu; }

} // namespace vantora::test

namespace vantora::test {

// A 24-bit bottom-up BMP of `image`'s colours (alpha ignored).
std::vector<std::uint8_t> BmpBytes(const RgbaImage& image);

// An RgbaImage of the given size filled with `argb`.
RgbaImage SolidImage(int width, int height, std::uint32_t argb);

} // namespace vantora::test
