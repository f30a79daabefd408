#include "render/text/model_font.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace vantora {
namespace {

// Pixel (em) size for a cell height: the face's ascent + descent at the trial size scales it.
int EmPixelsForCellHeight(QFont font, int cellHeight) {
    font.setPixelSize(cellHeight);
    const int trialCell = QFontMetrics(font).height();
    if (trialCell <= 0) {
        return cellHeight;
    }
    return static_cast<int>(std::lround(1.0 * cellHeight * cellHeight / trialCell));
}

} // namespace

QFont QFontFromModelFont(const TObjectFont& model) {
    QFont font(QString::fromStdString(model.Name));
    font.setBold(model.Bold);
    font.setItalic(model.Italic);
    font.setUnderline(model.Underline);
    font.setStrikeOut(model.StrikeOut);
    font.setKerning(false); // advances add up per character, as the text engine measures them

    int pixels = kDefaultFontHeight < 0 ? -kDefaultFontHeight : kDefaultFontHeight;
    if (model.Height < 0) {
        pixels = model.Height < -kMaxFontPixels ? kMaxFontPixels : -model.Height;
    } else if (model.Height > 0) {
        pixels = EmPixelsForCellHeight(font, std::min(model.Height, kMaxFontPixels));
    }
    font.setPixelSize(std::clamp(pixels, 1, kMaxFontPixels));
    return font;
}

} // namespace vantora
