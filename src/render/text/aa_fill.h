#pragma once
// The fill images a text is painted with through its mask: gradient, texture and colour noise.
// Fill images are Format_RGB32 (24-bit colour) of exactly the mask's size.

#include "render/text/aa_gradual.h"
#include "render/text/aa_random.h"
#include "render/text/aa_texture.h"

#include <QImage>
#include <QRgb>

#include <vector>

namespace vantora {

// The colour strip of a gradient of length `length` (mask width for the left/right styles,
// mask height for the others). The centre styles mirror their first half onto the second.
std::vector<QRgb> GradientStrip(const TAAGradual& gradual, int length);

// True for the styles whose strip runs along a row.
bool IsHorizontalGradient(TAAGradualStyle style);

// Paints `fill` (already sized) with the gradient.
void FillGradient(QImage& fill, const TAAGradual& gradual);

// Paints `fill` with `background`, then the texture picture in its mode.
void FillTexture(QImage& fill, const TAATexture& texture, QRgb background);

// Every pixel = colour + random(0..amplitude-1) - amplitude div 2 per channel, clamped.
void FillNoise(QImage& fill, QRgb colour, int amplitude, TAARandom& random);

// Adds random(0..amplitude-1) - amplitude div 2 to every colour byte, clamped. 0 does nothing.
void AddNoise(QImage& fill, int amplitude, TAARandom& random);

} // namespace vantora
