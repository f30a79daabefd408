#pragma once
// The anti-aliasing font: measures and draws one line of text with its effects. A line becomes
// an 8-bit coverage mask (drawn once at the supersampled size, then reduced), the mask effects
// run in a fixed order (outline, spray, mirror, shadow, blur), and a fill is blended through the
// mask onto the canvas. The work bitmaps and masks live as long as the font.

#include "render/text/aa_blend.h"
#include "render/text/aa_blur.h"
#include "render/text/aa_effect.h"
#include "render/text/aa_mask.h"
#include "render/text/aa_quality.h"
#include "render/text/aa_random.h"
#include "render/text/aa_work_bitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>

namespace vantora {

class TAAFontEx {
public:
    // Spray and noise draw from `random`, which the caller owns and seeds.
    explicit TAAFontEx(TAARandom& random);

    void SetFont(const QFont& font);
    const QFont& Font() const { return font_; }
    void SetQuality(TAAQuality quality);
    TAAQuality Quality() const { return quality_; }

    QRgb Color = qRgb(0, 0, 0); // the font colour
    TAAEffect Effect;

    // Extent of one line as it will be drawn: rotation and shadow offsets included.
    QSize TextExtent(const QString& text);

    // The coverage mask of one line, rotation applied, no other effect. Empty when the text
    // would need an unreasonably large drawing.
    const TAAMask& CoverageMask(const QString& text);

    // Draws one line with all its effects; (x, y) is the top-left of its extent.
    void TextOut(TAACanvas& canvas, int x, int y, const QString& text);

    // Bound on the supersampled drawing of one line, in pixels (about 32 MB of grey bytes).
    static constexpr long long kMaxSupersampledPixels = 32LL * 1024 * 1024;

private:
    QSize PlainExtent(const QString& text);
    void ApplyShapeEffects();
    void DrawShadow(TAACanvas& canvas, int x, int y);
    void FillAndBlend(TAACanvas& canvas, int x, int y);
    int ShadowOffsetX() const;
    int ShadowOffsetY() const;

    TAARandom& random_;
    QFont font_;
    QFont scaledFont_;
    std::optional<QFontMetrics> scaledMetrics_;
    TAAQuality quality_ = TAAQuality::aqNormal;

    TAAWorkBitmap supersampled_{QImage::Format_Grayscale8};
    TAAWorkBitmap fill_{QImage::Format_RGB32};
    TAAMask mask_;
    TAAMask shadowMask_;
    TAAMask scratch_;
    TAABlur blur_;
};

} // namespace vantora
