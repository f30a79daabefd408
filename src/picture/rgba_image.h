#pragma once
// A plain 32-bit picture with straight (not premultiplied) alpha: what decoders produce and what
// the model caches as an object's rendered picture. Toolkit-free on purpose.

#include <cstddef>
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

// Packs straight-alpha channels into the 0xAARRGGBB layout of RgbaImage::pixels.
constexpr std::uint32_t packArgb(std::uint8_t alpha, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (std::uint32_t{alpha} << 24) | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}
constexpr std::uint8_t alphaOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }
constexpr std::uint8_t redOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 16); }
constexpr std::uint8_t greenOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 8); }
constexpr std::uint8_t blueOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb); }

} // namespace vantora
