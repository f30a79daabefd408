#pragma once
// A two-colour gradient fill of the text.

#include <QRgb>

namespace vantora {

enum class TAAGradualStyle {
    gsLeftToRight,
    gsRightToLeft,
    gsTopToBottom,
    gsBottomToTop,
    gsCenterToLR,
    gsCenterToTB,
};

struct TAAGradual {
    bool Enabled = false;
    TAAGradualStyle Style = TAAGradualStyle::gsLeftToRight;
    QRgb StartColor = qRgb(255, 255, 255);
    QRgb EndColor = qRgb(0, 0, 0);
};

} // namespace vantora
