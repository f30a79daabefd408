#include "render/text/aa_font_ex.h"

#include "render/text/aa_downsample.h"
#include "render/text/aa_fill.h"
#include "render/text/aa_mask_effects.h"
#include "render/text/aa_rotation.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantora {
namespace {

constexpr int kMaxShadowOffset = 20;
// Extents are kept below this so that sums and rotations of them cannot overflow; a line that
// long cannot be drawn anyway (see kMaxSupersampledPixels).
constexpr long long kMaxExtent = 1LL << 24;

int CeilDiv(long long value, int divisor) {
    return static_cast<int>(std::clamp((value + divisor - 1) / divisor, 0LL, kMaxExtent));
}

QFont ScaledFont(const QFont& font, int factor) {
    QFont scaled = font;
    if (font.pixelSize() > 0) {
        scaled.setPixelSize(font.pixelSize() * factor);
    } else {
        scaled.setPointSizeF(font.pointSizeF() * factor);
    }
    // The supersampled drawing is the anti-aliasing: glyphs are drawn hard and then reduced.
    scaled.setStyleStrategy(QFont::NoAntialias);
    scaled.setHintingPreference(QFont::PreferNoHinting);
    return scaled;
}

} // namespace

TAAFontEx::TAAFontEx(TAARandom& random) : random_(random) {
    SetFont(QFont());
}

void TAAFontEx::SetFont(const QFont& font) {
    font_ = font;
    scaledFont_ = ScaledFont(font_, SupersamplingFactor(quality_));
    scaledMetrics_.emplace(scaledFont_);
}

void TAAFontEx::SetQuality(TAAQuality quality) {
    quality_ = quality;
    SetFont(font_);
}

int TAAFontEx::ShadowOffsetX() const { return std::clamp(Effect.Shadow.OffsetX, -kMaxShadowOffset, kMaxShadowOffset); }
int TAAFontEx::ShadowOffsetY() const { return std::clamp(Effect.Shadow.OffsetY, -kMaxShadowOffset, kMaxShadowOffset); }

QSize TAAFontEx::PlainExtent(const QString& text) {
    const int factor = SupersamplingFactor(quality_);
    // The toolkit measures in 32-bit fixed point (up to 2^25 pixels); a line that could pass that
    // counts as the longest extent without being measured.
    const long long emPixels = std::max(1, scaledFont_.pixelSize() > 0 ? scaledFont_.pixelSize()
                                                                         : QFontInfo(scaledFont_).pixelSize());
    const bool measurable = 2LL * text.size() * emPixels < (1LL << 25);
    int width = measurable ? CeilDiv(scaledMetrics_->horizontalAdvance(text), factor) : static_cast<int>(kMaxExtent);
    const int height = CeilDiv(scaledMetrics_->height(), factor);
    if (font_.italic() && !text.isEmpty()) {
        width += static_cast<int>(std::lround(0.3 * width / text.size()));
    }
    return {width, height};
}

QSize TAAFontEx::TextExtent(const QString& text) {
    const QSize plain = PlainExtent(text);
    QSize extent = RotatedTextBox(plain.width(), plain.height(), Effect.Angle).size;
    if (Effect.Shadow.Enabled) {
        extent += QSize(std::abs(ShadowOffsetX()), std::abs(ShadowOffsetY()));
    }
    return extent;
}

const TAAMask& TAAFontEx::CoverageMask(const QString& text) {
    const QSize plain = PlainExtent(text);
    const TAARotatedBox box = RotatedTextBox(plain.width(), plain.height(), Effect.Angle);
    const int factor = SupersamplingFactor(quality_);
    const long long area = 1LL * box.size.width() * factor * box.size.height() * factor;
    if (box.size.isEmpty() || area > kMaxSupersampledPixels) {
        mask_.SetSize(0, 0);
        return mask_;
    }
    mask_.SetSize(box.size.width(), box.size.height());

    QImage& drawing = supersampled_.Resize(box.size.width() * factor, box.size.height() * factor);
    drawing.fill(0);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(scaledFont_);
        painter.setPen(Qt::white);
        painter.translate(box.origin * factor);
        painter.rotate(-NormalizedAngle(Effect.Angle)); // positive painter angles turn clockwise
        painter.drawText(QPointF(0, scaledMetrics_->ascent()), text);
    }
    DownsampleToMask(drawing, factor, mask_);
    return mask_;
}

void TAAFontEx::ApplyShapeEffects() {
    if (Effect.Outline) {
        OutlineMask(mask_, scratch_);
    }
    SprayMask(mask_, std::clamp(Effect.Spray, 0, 255), random_);
    if (Effect.HorzMirror) {
        MirrorMaskHorizontally(mask_);
    }
    if (Effect.VertMirror) {
        MirrorMaskVertically(mask_);
    }
}

void TAAFontEx::DrawShadow(TAACanvas& canvas, int x, int y) {
    shadowMask_ = mask_;
    blur_.Apply(shadowMask_, Effect.Shadow.Blur);
    const int opacity = std::clamp(Effect.Alpha, 0, 100) * std::clamp(Effect.Shadow.Alpha, 0, 100) / 100;
    TAABlend::BlendColor(canvas, shadowMask_, x, y, Effect.Shadow.Color, opacity);
}

void TAAFontEx::FillAndBlend(TAACanvas& canvas, int x, int y) {
    // The first fill that applies: texture, gradient, noise alone, else the plain font colour.
    const int noise = std::clamp(Effect.Noise, 0, 255);
    const TAATexture& texture = Effect.Texture;
    const bool textured = texture.Enabled && !texture.Picture.isNull();
    if (!textured && !Effect.Gradual.Enabled && noise == 0) {
        TAABlend::BlendColor(canvas, mask_, x, y, Color, Effect.Alpha);
        return;
    }
    QImage& fill = fill_.Resize(mask_.Width(), mask_.Height());
    if (textured) {
        FillTexture(fill, texture, Color);
        AddNoise(fill, noise, random_);
    } else if (Effect.Gradual.Enabled) {
        FillGradient(fill, Effect.Gradual);
        AddNoise(fill, noise, random_);
    } else {
        FillNoise(fill, Color, noise, random_);
    }
    TAABlend::BlendImage(canvas, mask_, x, y, fill, Effect.Alpha);
}

void TAAFontEx::TextOut(TAACanvas& canvas, int x, int y, const QString& text) {
    CoverageMask(text);
    if (mask_.Empty()) {
        return;
    }
    ApplyShapeEffects();

    const std::optional<QRgb> brush = canvas.brush;
    int textX = x;
    int textY = y;
    if (Effect.Shadow.Enabled) {
        const int offsetX = ShadowOffsetX();
        const int offsetY = ShadowOffsetY();
        textX = x + std::max(0, -offsetX);
        textY = y + std::max(0, -offsetY);
        DrawShadow(canvas, x + std::max(0, offsetX), y + std::max(0, offsetY));
        canvas.brush.reset(); // the text goes over the shadow, not over a fresh brush
    }
    blur_.Apply(mask_, Effect.Blur);
    FillAndBlend(canvas, textX, textY);
    canvas.brush = brush;
}

} // namespace vantora
