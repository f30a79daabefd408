#include "render/text/font_conversion.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantora {
namespace {

QFont baseFont(const TObjectFont& font, FontSmoothing smoothing) {
    QFont result(QString::fromStdString(font.Name.empty() ? std::string(kDefaultFontFace) : font.Name));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    result.setKerning(false); // the platform's plain text output places glyphs by advance alone
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setStyleStrategy(smoothing == FontSmoothing::Aliased ? QFont::NoAntialias : QFont::PreferAntialias);
    return result;
}

int clampPixelSize(double pixels) {
    return static_cast<int>(std::lround(std::clamp(pixels, 1.0, double(kMaxFontPixelSize))));
}

// A cell height includes the face's internal leading: scale it down to the em size by measuring
// the face at a known size.
int emSizeForCellHeight(const TObjectFont& font, int cellHeight) {
    QFont probe = baseFont(font, FontSmoothing::Antialiased);
    constexpr int kProbeSize = 100;
    probe.setPixelSize(kProbeSize);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return clampPixelSize(cellHeight);
    return clampPixelSize(cellHeight * kProbeSize / cell);
}

} // namespace

int FontPixelSize(const TObjectFont& font) {
    if (font.Height == 0)
        return -kDefaultFontHeight;
    if (font.Height < 0) // INT32_MIN cannot be negated: clamp first
        return clampPixelSize(-static_cast<double>(font.Height));
    return emSizeForCellHeight(font, std::min(font.Height, kMaxFontPixelSize * 2));
}

QFont ToQFont(const TObjectFont& font, FontSmoothing smoothing) {
    QFont result = baseFont(font, smoothing);
    result.setPixelSize(FontPixelSize(font));
    return result;
}

QColor ToQColor(TColor colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

} // namespace vantora
