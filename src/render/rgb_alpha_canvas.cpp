#include "render/rgb_alpha_canvas.h"

#include "render/image_conversion.h"

namespace vantora {

RgbAlphaCanvas::RgbAlphaCanvas(int width, int height, QRgb fill) {
    if (width <= 0 || height <= 0)
        return;
    rgb = QImage(width, height, QImage::Format_RGB32);
    rgb.fill(fill);
    alpha = QImage(width, height, QImage::Format_Grayscale8);
    alpha.fill(0);
}

void RgbAlphaCanvas::ComposeInto(QImage& target) const {
    if (rgb.isNull()) {
        target = QImage();
        return;
    }
    PrepareArgbTarget(target, width(), height());
    for (int y = 0; y < height(); ++y) {
        const auto* colour = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const uchar* opacity = alpha.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0, w = width(); x < w; ++x)
            out[x] = (colour[x] & 0x00FFFFFFu) | (QRgb(opacity[x]) << 24);
    }
}

} // namespace vantora
