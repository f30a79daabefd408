#pragma once
// The painters' working picture: an opaque colour image and a separate 8-bit alpha plane, both
// painted with QPainter without anti-aliasing. Keeping alpha apart means colour work (text,
// lines) never disturbs transparency, and no premultiplication rounds colours away.

#include <QImage>

namespace vantora {

struct RgbAlphaCanvas {
    QImage rgb;   // Format_RGB32
    QImage alpha; // Format_Grayscale8, 0 transparent .. 255 opaque

    // Both planes width x height; colour filled with `fill`, alpha 0. A non-positive size gives
    // null planes.
    RgbAlphaCanvas(int width, int height, QRgb fill = 0xFF000000u);

    int width() const { return rgb.width(); }
    int height() const { return rgb.height(); }

    // Writes colour and alpha together into `target` (Format_ARGB32, straight alpha), reusing
    // its buffer when it has the right size.
    void ComposeInto(QImage& target) const;
};

} // namespace vantora
