#pragma once
// A plain 32-bit picture with straight (not premultiplied) alpha: what decoders produce and what
// the model caches as an object's rendered picture. Toolkit-free on purpose.

#include <cstdint>
#include <vector>

namespace vantora {

struct RgbaImage {
    int width = 0;
    int height = 0;
    // Row-major from the top row, one 0xAARRGGBB value per pixel (the layout of QImage::Format_ARGB32
    // on little-endian machines, so renderers can wrap it without copying).
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& pixel(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

} // namespace vantora
