#pragma once
// Reduces a supersampled grey drawing (white text on black) to a coverage mask with integer
// sums over factor x factor blocks.

#include "render/text/aa_mask.h"

#include <QImage>

namespace vantora {

// `source` is Format_Grayscale8 of at least (factor * mask width) x (factor * mask height);
// only that top-left part is read. Factor 4: mean of the 4 x 4 block; 3: the block weighted
// 1 1 1/2 / 1 1 1 / 1/2 1 1 and divided by 8; 2: mean of 2 x 2; 1: a copy.
void DownsampleToMask(const QImage& source, int factor, TAAMask& mask);

} // namespace vantora
