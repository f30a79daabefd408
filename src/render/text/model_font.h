#pragma once
// The text painters' view of an object's font: the model's font record as a QFont and a colour.

#include "model/colour.h"
#include "model/object_font.h"

#include <QFont>
#include <QRgb>

namespace vantora {

// Face, pixel size and style of the model font. A negative height is the character (em) height
// in pixels; a positive one is the cell height, converted to the em size the face gives it.
// Sizes are kept within 1..kMaxFontPixels so that absurd values cannot exhaust memory.
QFont QFontFromModelFont(const TObjectFont& font);

inline constexpr int kMaxFontPixels = 1000;

// 0x00BBGGRR model colour -> opaque QRgb.
constexpr QRgb QRgbFromColor(TColor colour) {
    return 0xFF000000u | (QRgb{RedOf(colour)} << 16) | (QRgb{GreenOf(colour)} << 8) | QRgb{BlueOf(colour)};
}

} // namespace vantora
