#pragma once
// Puts a filled mask onto the canvas: integer blending on scan lines. The canvas is a
// Format_RGB32 image (24-bit colour); its "brush" decides what lies under the text: the canvas
// itself when transparent, else a solid rectangle of the brush colour.

#include "render/text/aa_mask.h"

#include <QImage>
#include <QRgb>

#include <optional>

namespace vantora {

struct TAACanvas {
    QImage* bitmap = nullptr;          // Format_RGB32
    std::optional<QRgb> brush;          // empty = transparent brush
};

class TAABlend {
public:
    // Blends `colour` through the mask at (x, y) with `alphaPercent` (0..100) opacity.
    static void BlendColor(TAACanvas& canvas, const TAAMask& mask, int x, int y, QRgb colour, int alphaPercent);

    // Blends the fill image through the mask. Raises TAAError "Invalid foreground bitmap!" when
    // the fill is not Format_RGB32 or not exactly the mask's size.
    static void BlendImage(TAACanvas& canvas, const TAAMask& mask, int x, int y, const QImage& fill, int alphaPercent);
};

} // namespace vantora
