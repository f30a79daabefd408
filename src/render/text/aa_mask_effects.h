#pragma once
// The shape effects applied to a coverage mask before it is filled: outline, spray and mirror.
// Blur has a file of its own.

#include "render/text/aa_mask.h"
#include "render/text/aa_random.h"

namespace vantora {

// Replaces the glyphs by their edges: each inner pixel takes a gradient magnitude computed from
// an unchanged copy of its 3 x 3 neighbourhood. Border pixels keep their value. `scratch` is a
// work mask the caller keeps between calls.
void OutlineMask(TAAMask& mask, TAAMask& scratch);

// Moves every pixel to a random neighbour within `amount` pixels, in place and in row order, so
// pixels already sprayed can be picked up again. 0 leaves the mask alone.
void SprayMask(TAAMask& mask, int amount, TAARandom& random);

void MirrorMaskHorizontally(TAAMask& mask);
void MirrorMaskVertically(TAAMask& mask);

} // namespace vantora
