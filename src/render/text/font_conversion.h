#pragma once
// The one place where an object's font record becomes a QFont and a model colour becomes a
// QColor. Painters and the text engine both go through here, so a face, size or style reads the
// same in every picture.

#include "model/colour.h"
#include "model/object_font.h"

#include <QColor>
#include <QFont>

namespace vantora {

// Whether glyph edges are smoothed. The canvas painters draw hard-edged text like the platform's
// plain text output; the text-effect engine makes its own coverage and may want smooth glyphs.
enum class FontSmoothing { Aliased, Antialiased };

// Largest glyph size in pixels we ask the font engine for; project files may hold absurd heights.
constexpr int kMaxFontPixelSize = 1000;

// Face (resolved through fontconfig, "Arial" becomes a metric-compatible face), pixel size from
// the stored height, bold/italic/underline/strike-out. A negative height is the character height
// (em size) in pixels; a positive one is the cell height (ascent + descent), converted to the em
// size of the chosen face; 0 means the default height.
QFont ToQFont(const TObjectFont& font, FontSmoothing smoothing = FontSmoothing::Aliased);

// The em size in pixels that ToQFont uses, always in 1..kMaxFontPixelSize.
int FontPixelSize(const TObjectFont& font);

// 0x00BBGGRR -> opaque QColor.
QColor ToQColor(TColor colour);

// 0x00BBGGRR -> 0xFFRRGGBB (an opaque QRgb / RgbaImage pixel).
constexpr unsigned int ToArgb(TColor colour) {
    return 0xFF000000u | (unsigned(RedOf(colour)) << 16) | (unsigned(GreenOf(colour)) << 8) | BlueOf(colour);
}

} // namespace vantora
