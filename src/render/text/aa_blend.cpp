#include "render/text/aa_blend.h"

#include "render/text/aa_error.h"

#include <algorithm>
#include <stdexcept>

namespace vantora {
namespace {

// Coverage x opacity gives a weight w in 0..65280: from 65280 on the fill replaces the pixel,
// below 256 the pixel stays, in between each channel moves (w >> 8) / 256 of the way.
inline QRgb BlendPixel(QRgb under, QRgb fill, int w) {
    if (w >= 65280) {
        return fill;
    }
    const int a = w >> 8;
    auto mix = [a](int c, int f) { return c + (((f - c) * a) >> 8); };
    return qRgb(mix(qRed(under), qRed(fill)), mix(qGreen(under), qGreen(fill)), mix(qBlue(under), qBlue(fill)));
}

int OpacityFactor(int alphaPercent) {
    return std::clamp(alphaPercent, 0, 100) * 256 / 100;
}

// Calls blendRow(maskRow, canvasLine, maskRowIndex, firstMaskColumn, endMaskColumn)
// for every mask row that lands on the canvas, after laying the brush under the text.
template <typename BlendRow>
void ForEachVisibleRow(TAACanvas& canvas, const TAAMask& mask, int x, int y, BlendRow blendRow) {
    QImage* bitmap = canvas.bitmap;
    if (bitmap == nullptr || bitmap->format() != QImage::Format_RGB32) {
        throw std::invalid_argument("text canvas must be a Format_RGB32 image");
    }
    const int firstColumn = std::max(0, -x);
    const int lastColumn = std::min(mask.Width(), bitmap->width() - x);
    const int firstRow = std::max(0, -y);
    const int lastRow = std::min(mask.Height(), bitmap->height() - y);
    if (firstColumn >= lastColumn || firstRow >= lastRow) {
        return;
    }
    for (int row = firstRow; row < lastRow; ++row) {
        auto* line = reinterpret_cast<QRgb*>(bitmap->scanLine(y + row));
        if (canvas.brush) {
            std::fill(line + x + firstColumn, line + x + lastColumn, *canvas.brush | 0xFF000000u);
        }
        blendRow(mask.ScanLine(row), line, row, firstColumn, lastColumn);
    }
}

} // namespace

void TAABlend::BlendColor(TAACanvas& canvas, const TAAMask& mask, int x, int y, QRgb colour, int alphaPercent) {
    const int f = OpacityFactor(alphaPercent);
    const QRgb fill = colour | 0xFF000000u;
    ForEachVisibleRow(canvas, mask, x, y, [&](const std::uint8_t* coverage, QRgb* target, int, int from, int to) {
        for (int i = from; i < to; ++i) {
            const int w = coverage[i] * f;
            if (w >= 256) {
                target[x + i] = BlendPixel(target[x + i], fill, w);
            }
        }
    });
}

void TAABlend::BlendImage(TAACanvas& canvas, const TAAMask& mask, int x, int y, const QImage& fill, int alphaPercent) {
    if (fill.format() != QImage::Format_RGB32 || fill.width() != mask.Width() || fill.height() != mask.Height()) {
        throw TAAError(kInvalidForegroundBitmap);
    }
    const int f = OpacityFactor(alphaPercent);
    ForEachVisibleRow(canvas, mask, x, y, [&](const std::uint8_t* coverage, QRgb* target, int row, int from, int to) {
        const auto* source = reinterpret_cast<const QRgb*>(fill.constScanLine(row));
        for (int i = from; i < to; ++i) {
            const int w = coverage[i] * f;
            if (w >= 256) {
                target[x + i] = BlendPixel(target[x + i], source[i] | 0xFF000000u, w);
            }
        }
    });
}

} // namespace vantora
