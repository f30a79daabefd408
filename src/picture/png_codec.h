#pragma once
// PNG pictures through libpng: decoding every colour type and depth to 32-bit straight-alpha pixels
// (alpha kept: alpha channels, tRNS colour keys and palette alpha), and encoding 32-bit pixels with
// their alpha.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantora {

// Returns the decoded picture; on damaged, truncated or oversized data an empty image and a reason
// in `error`. No gamma or colour-profile conversion is applied: the stored samples are the pixels.
RgbaImage decodePng(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits = {});

// Encodes an 8-bit RGBA PNG file (straight alpha). Returns an empty vector and a reason in `error`
// when the image is empty or encoding fails.
std::vector<std::uint8_t> encodePng(const RgbaImage& image, std::string* error = nullptr);

} // namespace vantora
