#pragma once
// Pictures drawn with QPainter become PNG files through our own PNG encoder, so that the bytes
// depend on the pixels alone.

#include <QImage>

#include <cstdint>
#include <vector>

namespace vantora::material {

// A transparent Format_ARGB32_Premultiplied canvas of the given size, ready for QPainter.
QImage TransparentCanvas(int width, int height);

// An 8-bit RGBA PNG file of `image` (any format; converted to straight alpha).
std::vector<std::uint8_t> PngBytes(const QImage& image);

} // namespace vantora::material
