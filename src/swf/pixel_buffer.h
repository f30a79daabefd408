#pragma once
// A caller's pixels, whatever toolkit they come from: width, height, bytes per row and the byte
// order of one pixel. Alpha, when present, is straight (not premultiplied).

#include <cstdint>

namespace swf {

enum class TPixelLayout { BGR24, RGB24, BGRA32, RGBA32 };

struct TPixelBuffer {
    const uint8_t* Pixels = nullptr; // first byte of the top row
    int Width = 0;
    int Height = 0;
    int Stride = 0; // bytes from one row to the next
    TPixelLayout Layout = TPixelLayout::BGRA32;

    int BytesPerPixel() const { return Layout == TPixelLayout::BGR24 || Layout == TPixelLayout::RGB24 ? 3 : 4; }
    bool HasAlpha() const { return Layout == TPixelLayout::BGRA32 || Layout == TPixelLayout::RGBA32; }
    bool RedFirst() const { return Layout == TPixelLayout::RGB24 || Layout == TPixelLayout::RGBA32; }
};

} // namespace swf
