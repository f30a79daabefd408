#pragma once
// Lighter and darker tones of a body colour for the bevelled rings of round bodies.

#include "model/colour.h"

namespace vantora {

// Step 0 lightens by half the way to white, 1 by a quarter; step 2 darkens a little, 3 more.
// Per channel c' = c + k * (255 - c) / 100 (truncating), clamped to 0..255, k = 50, 25, -10, -30.
// Other steps leave the colour unchanged.
TColor ShadeColor(TColor colour, int step);

} // namespace vantora
