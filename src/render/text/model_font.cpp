#include "render/text/model_font.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace vantora {
namespace {

int ClampPixels(double pixels) {
    return static_cast<int>(std::lround(std::clamp(pixels, 1.0, double{kMaxFontPixels})));
}

// A cell height includes the face's internal leading: measure the face at a known size to find
// the em size that gives that cell.
int EmPixelsForCellHeight(QFont font, int cellHeight) {
    constexpr int kProbePixels = 100;
    font.setPixelSize(kProbePixels);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    return ClampPixels(cell > 0 ? cellHeight * kProbePixels / cell : cellHeight);
}

} // namespace

QFont QFontFromModelFont(const TObjectFont& model) {
    QFont font(QString::fromStdString(model.Name.empty() ? std::string(kDefaultFontFace) : model.Name));
    font.setBold(model.Bold);
    font.setItalic(model.Italic);
    font.setUnderline(model.Underline);
    font.setStrikeOut(model.StrikeOut);
    font.setKerning(false); // advances add up per character, as the text engine measures them

    int pixels = -kDefaultFontHeight;
    if (model.Height < 0) {
        pixels = ClampPixels(-static_cast<double>(model.Height)); // INT32_MIN cannot be negated
    } else if (model.Height > 0) {
        pixels = EmPixelsForCellHeight(font, std::min(model.Height, 2 * kMaxFontPixels));
    }
    font.setPixelSize(pixels);
    return font;
}

} // namespace vantora
