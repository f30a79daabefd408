#pragma once
// Conversions from the system's 0x00BBGGRR colours (which may name a system colour) to SWF colours.

#include "swf/records.h"

namespace swf {

// Resolves a system colour constant (high byte 0x80 or 0xFF, index in the low byte) to the colour
// the standard desktop scheme gives it; other values keep their low 24 bits.
uint32_t ColorToRGB(TColor color);
TSWFRGB SWFRGB(TColor color);
// Red | Green << 8 | Blue << 16 | alpha << 24 of the resolved colour.
uint32_t SWFRGBA(TColor color, uint8_t alpha = 255);

} // namespace swf
