#pragma once
// The rectangular, skinned speech balloon (kind Balloon).

#include "model/demo_object.h"

#include <QImage>
#include <array>

namespace vantora {

enum class TBalloonArrow : int {
    None = 0, LeftDown, LeftUp, TopLeft, TopRight, RightUp, RightDown, BottomRight, BottomLeft
};

// Width of the band outside the body that an arrow occupies.
constexpr int kBalloonArrowBand = 18;

// The 256 colours of the skin: 0..63 the body darkened by 2 per step, 64..127 lightened, 128..255
// the border colour. Returned as opaque 0xFFRRGGBB values.
std::array<QRgb, 256> BalloonColourRamp(TColor back, TColor border);

// Paints `balloon` into `target` (Format_ARGB32, straight alpha, Width x Height). Leaves `target`
// null when the size cannot be painted.
void PaintBalloon(const TDemoObject& balloon, QImage& target);

} // namespace vantora
