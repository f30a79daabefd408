#pragma once
// JPEG pictures through libjpeg: decoding any baseline or progressive file (greyscale, YCbCr, RGB,
// CMYK) to opaque 32-bit pixels, and encoding 32-bit pixels at a given quality (alpha dropped).

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantora {

// Quality the movie builder uses for scene backgrounds.
inline constexpr int kMovieJpegQuality = 100;

// Returns the decoded picture, every pixel opaque; on damaged, truncated or oversized data an empty
// image and a reason in `error`.
RgbaImage decodeJpeg(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits = {});

// Encodes a baseline JPEG file at `quality` (clamped to 1..100). Colour is taken as is and alpha is
// ignored. Returns an empty vector and a reason in `error` when the image is empty or encoding fails.
std::vector<std::uint8_t> encodeJpeg(const RgbaImage& image, int quality, std::string* error = nullptr);

} // namespace vantora
