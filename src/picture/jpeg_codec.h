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

// Decodes a JPEG file and encodes it again at `quality`, the same bytes as encodeJpeg(decodeJpeg()),
// a strip of rows at a time instead of through a whole decoded picture. Returns an empty vector and
// a reason in `error` when the file cannot be decoded or encoding fails.
std::vector<std::uint8_t> reencodeJpeg(std::span<const std::uint8_t> bytes, int quality, std::string* error = nullptr);

} // namespace vantora
