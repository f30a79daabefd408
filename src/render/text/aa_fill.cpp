#include "render/text/aa_fill.h"

#include <QPainter>

#include <algorithm>

namespace vantora {
namespace {

int Channel(QRgb colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

QRgb Interpolate(QRgb a, QRgb b, int i, int n) {
    auto mix = [&](int shift) { return Channel(a, shift) + i * (Channel(b, shift) - Channel(a, shift)) / n; };
    return qRgb(mix(16), mix(8), mix(0));
}

std::uint8_t NoisyByte(int value, int amplitude, TAARandom& random) {
    return static_cast<std::uint8_t>(std::clamp(value + random.Random(amplitude) - amplitude / 2, 0, 255));
}

bool IsCentreGradient(TAAGradualStyle style) {
    return style == TAAGradualStyle::gsCenterToLR || style == TAAGradualStyle::gsCenterToTB;
}

bool RunsFromStartColour(TAAGradualStyle style) {
    return style == TAAGradualStyle::gsLeftToRight || style == TAAGradualStyle::gsTopToBottom;
}

} // namespace

bool IsHorizontalGradient(TAAGradualStyle style) {
    return style == TAAGradualStyle::gsLeftToRight || style == TAAGradualStyle::gsRightToLeft ||
           style == TAAGradualStyle::gsCenterToLR;
}

std::vector<QRgb> GradientStrip(const TAAGradual& gradual, int length) {
    std::vector<QRgb> strip(static_cast<std::size_t>(std::max(length, 0)));
    if (length <= 0) {
        return strip;
    }
    const bool centre = IsCentreGradient(gradual.Style);
    const int n = centre ? (length + 1) / 2 : length;
    const QRgb a = RunsFromStartColour(gradual.Style) ? gradual.StartColor : gradual.EndColor;
    const QRgb b = RunsFromStartColour(gradual.Style) ? gradual.EndColor : gradual.StartColor;
    for (int i = 0; i < n; ++i) {
        strip[i] = Interpolate(a, b, i, n);
        if (centre) {
            strip[length - 1 - i] = strip[i];
        }
    }
    return strip;
}

void FillGradient(QImage& fill, const TAAGradual& gradual) {
    const bool horizontal = IsHorizontalGradient(gradual.Style);
    const std::vector<QRgb> strip = GradientStrip(gradual, horizontal ? fill.width() : fill.height());
    for (int y = 0; y < fill.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(fill.scanLine(y));
        if (horizontal) {
            std::copy(strip.begin(), strip.end(), row);
        } else {
            std::fill(row, row + fill.width(), strip[y]);
        }
    }
}

void FillTexture(QImage& fill, const TAATexture& texture, QRgb background) {
    fill.fill(background);
    if (texture.Picture.isNull()) {
        return;
    }
    QPainter painter(&fill);
    const QImage& picture = texture.Picture;
    switch (texture.Mode) {
    case TAATextureMode::tmTiled:
        for (int y = 0; y < fill.height(); y += picture.height()) {
            for (int x = 0; x < fill.width(); x += picture.width()) {
                painter.drawImage(QPoint(x, y), picture);
            }
        }
        break;
    case TAATextureMode::tmStretched:
        painter.drawImage(fill.rect(), picture);
        break;
    case TAATextureMode::tmCenter:
        painter.drawImage(QPoint((fill.width() - picture.width()) / 2, (fill.height() - picture.height()) / 2), picture);
        break;
    case TAATextureMode::tmNormal:
        painter.drawImage(QPoint(0, 0), picture);
        break;
    }
}

void FillNoise(QImage& fill, QRgb colour, int amplitude, TAARandom& random) {
    for (int y = 0; y < fill.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(fill.scanLine(y));
        for (int x = 0; x < fill.width(); ++x) {
            const std::uint8_t r = NoisyByte(qRed(colour), amplitude, random);
            const std::uint8_t g = NoisyByte(qGreen(colour), amplitude, random);
            const std::uint8_t b = NoisyByte(qBlue(colour), amplitude, random);
            row[x] = qRgb(r, g, b);
        }
    }
}

void AddNoise(QImage& fill, int amplitude, TAARandom& random) {
    if (amplitude <= 0) {
        return;
    }
    for (int y = 0; y < fill.height(); ++y) {
        // Blue, green, red bytes of each 32-bit pixel; the fourth byte is not colour.
        std::uint8_t* bytes = fill.scanLine(y);
        for (int x = 0; x < fill.width(); ++x, bytes += 4) {
            bytes[0] = NoisyByte(bytes[0], amplitude, random);
            bytes[1] = NoisyByte(bytes[1], amplitude, random);
            bytes[2] = NoisyByte(bytes[2], amplitude, random);
        }
    }
}

} // namespace vantora
