#pragma once
// Pixel data of the lossless bitmap tags (before zlib), built from a BMP reader or a pixel buffer.
//
// Players read the colour channels of DefineBitsLossless2 as premultiplied by alpha, so every path
// with alpha writes premultiplied colours (straight colours would show too bright at the edges of
// translucent areas).

#include "swf/bmp_reader.h"
#include "swf/pixel_buffer.h"

#include <cstdint>
#include <vector>

namespace swf {

enum TBitmapFormat : uint8_t {
    bmfNone = 0,
    bmf32BitSource = 1, // internal: 32-bit source with alpha, written as format 5
    bmfColorMapped = 3,
    bmf15Bit = 4,
    bmf24Bit = 5,
};

// Format a BMP reader's depth becomes (bmfNone for depths that have none).
TBitmapFormat FormatForDepth(int bitsPerPixel);
// Row length in pixels (with padding) of a lossless bitmap of that format.
int LosslessRowLength(TBitmapFormat format, int width);

// Drops palette entries no pixel uses (keeping the others in order) and renumbers the pixels.
// Indices past the palette get black entries first, so every pixel keeps a colour.
void CompactPalette(TBMPReader& bmp);

// True when a 32-bit BMP's fourth bytes are all zero: the file stores no alpha at all.
bool AlphaBytesAllZero(const TBMPReader& bmp);

// Uncompressed lossless pixel data from a BMP reader. `hasAlpha` selects the RGBA colour table for
// colour-mapped data; `ignoreAlpha` writes a 32-bit source as opaque.
std::vector<uint8_t> LosslessFromBMP(const TBMPReader& bmp, TBitmapFormat format, bool hasAlpha, bool ignoreAlpha);

// Format-5 pixel data (alpha, red, green, blue per pixel, top row first) from a pixel buffer; with
// alpha the colours are premultiplied, without it the first byte is 0xFF.
std::vector<uint8_t> LosslessFromPixels(const TPixelBuffer& pixels);

// Colour premultiplied by alpha, rounded.
inline uint8_t Premultiply(uint8_t colour, uint8_t alpha) { return uint8_t((colour * alpha + 127) / 255); }

} // namespace swf
