#pragma once
// Reads DefineShape, DefineShape2 and DefineShape3 and the glyph shapes of fonts. The edge records
// carry a fill on their left (fill 0) and right (fill 1) side; every fill's edges are joined into
// closed contours so that each fill style paints as one path, whatever order the edges came in.

#include "player/characters.h"

#include <memory>
#include <span>

namespace player {

// `code` is 2, 22 or 32.
std::shared_ptr<ShapeDef> ReadShape(uint16_t code, std::span<const uint8_t> body);

// One glyph of a font: shape records whose fill 1 (or fill 0) marks the inside.
QPainterPath ReadGlyphShape(std::span<const uint8_t> data);

} // namespace player
